#include "backends/x11/keys.h"

#include <X11/keysym.h>

#include <Qt>

namespace zv::x11 {

namespace {

struct KeyPair {
    uint8_t vk;
    unsigned long keysym;
};

// The first keysym listed for a code is the one pressed; later ones are only recognised.
constexpr KeyPair kKeys[] = {
    {0x08, XK_BackSpace}, {0x09, XK_Tab},        {0x09, XK_ISO_Left_Tab}, {0x09, XK_KP_Tab},
    {0x0C, XK_Clear},     {0x0C, XK_KP_Begin},   {0x0D, XK_Return},       {0x0D, XK_KP_Enter},
    {0x10, XK_Shift_L},   {0x10, XK_Shift_R},    {0x11, XK_Control_L},    {0x11, XK_Control_R},
    {0x12, XK_Alt_L},     {0x12, XK_Alt_R},      {0x12, XK_Meta_L},       {0x12, XK_Meta_R},
    {0x12, XK_ISO_Level3_Shift},
    {0x13, XK_Pause},     {0x14, XK_Caps_Lock},  {0x1B, XK_Escape},       {0x20, XK_space},
    {0x20, XK_KP_Space},  {0x21, XK_Prior},      {0x21, XK_KP_Prior},     {0x22, XK_Next},
    {0x22, XK_KP_Next},   {0x23, XK_End},        {0x23, XK_KP_End},       {0x24, XK_Home},
    {0x24, XK_KP_Home},   {0x25, XK_Left},       {0x25, XK_KP_Left},      {0x26, XK_Up},
    {0x26, XK_KP_Up},     {0x27, XK_Right},      {0x27, XK_KP_Right},     {0x28, XK_Down},
    {0x28, XK_KP_Down},   {0x2C, XK_Print},      {0x2D, XK_Insert},       {0x2D, XK_KP_Insert},
    {0x2E, XK_Delete},    {0x2E, XK_KP_Delete},  {0x5B, XK_Super_L},      {0x5C, XK_Super_R},
    {0x5D, XK_Menu},
    {0x6A, XK_KP_Multiply}, {0x6B, XK_KP_Add},   {0x6C, XK_KP_Separator}, {0x6D, XK_KP_Subtract},
    {0x6E, XK_KP_Decimal},  {0x6F, XK_KP_Divide},
    {0x90, XK_Num_Lock},  {0x91, XK_Scroll_Lock},
    {0xA0, XK_Shift_L},   {0xA1, XK_Shift_R},    {0xA2, XK_Control_L},    {0xA3, XK_Control_R},
    {0xA4, XK_Alt_L},     {0xA5, XK_Alt_R},
    {0xBA, XK_semicolon}, {0xBB, XK_equal},      {0xBC, XK_comma},        {0xBD, XK_minus},
    {0xBE, XK_period},    {0xBF, XK_slash},      {0xC0, XK_grave},        {0xDB, XK_bracketleft},
    {0xDC, XK_backslash}, {0xDD, XK_bracketright}, {0xDE, XK_apostrophe},
};

}  // namespace

unsigned long keysymForVk(uint8_t vk) {
    if (vk >= '0' && vk <= '9') return XK_0 + (vk - '0');
    if (vk >= 'A' && vk <= 'Z') return XK_a + (vk - 'A');
    if (vk >= 0x60 && vk <= 0x69) return XK_KP_0 + (vk - 0x60);
    if (vk >= 0x70 && vk <= 0x87) return XK_F1 + (vk - 0x70);
    for (const KeyPair& k : kKeys)
        if (k.vk == vk) return k.keysym;
    return 0;
}

uint8_t vkForKeysym(unsigned long ks) {
    if (ks >= XK_0 && ks <= XK_9) return static_cast<uint8_t>('0' + (ks - XK_0));
    if (ks >= XK_a && ks <= XK_z) return static_cast<uint8_t>('A' + (ks - XK_a));
    if (ks >= XK_A && ks <= XK_Z) return static_cast<uint8_t>('A' + (ks - XK_A));
    if (ks >= XK_KP_0 && ks <= XK_KP_9) return static_cast<uint8_t>(0x60 + (ks - XK_KP_0));
    if (ks >= XK_F1 && ks <= XK_F24) return static_cast<uint8_t>(0x70 + (ks - XK_F1));
    // The generic codes for the modifiers, as a window's key messages carry them.
    switch (ks) {
    case XK_Shift_L: case XK_Shift_R: return 0x10;
    case XK_Control_L: case XK_Control_R: return 0x11;
    case XK_Alt_L: case XK_Alt_R: case XK_Meta_L: case XK_Meta_R: case XK_ISO_Level3_Shift: return 0x12;
    default: break;
    }
    for (const KeyPair& k : kKeys)
        if (k.keysym == ks) return k.vk;
    return 0;
}

uint8_t vkForKeyEvent(unsigned long unshifted, unsigned long typed, int qtKey, bool keypad) {
    // The keypad's digits depend on Num Lock: what was typed says which of the two keys
    // the user meant (KP_1 or KP_End).
    const bool keypadKey = (unshifted >= XK_KP_Space && unshifted <= XK_KP_9) || keypad;
    if (keypadKey && typed) {
        if (uint8_t vk = vkForKeysym(typed)) return vk;
    }
    if (uint8_t vk = vkForKeysym(unshifted)) return vk;
    if (uint8_t vk = vkForKeysym(typed)) return vk;
    // Without X's names (a key Qt made up), Qt's own key, whose letters and digits are
    // the Windows codes already.
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<uint8_t>(keypad ? 0x60 + (qtKey - Qt::Key_0) : qtKey);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<uint8_t>(qtKey);
    switch (qtKey) {
    case Qt::Key_Tab: case Qt::Key_Backtab: return 0x09;
    case Qt::Key_Return: case Qt::Key_Enter: return 0x0D;
    case Qt::Key_Space: return 0x20;
    case Qt::Key_Right: return 0x27;
    case Qt::Key_Left: return 0x25;
    case Qt::Key_Up: return 0x26;
    case Qt::Key_Down: return 0x28;
    case Qt::Key_Alt: case Qt::Key_AltGr: return 0x12;
    case Qt::Key_Shift: return 0x10;
    case Qt::Key_Control: return 0x11;
    case Qt::Key_Escape: return 0x1B;
    case Qt::Key_Plus: return keypad ? 0x6B : 0xBB;
    default: return 0;
    }
}

}  // namespace zv::x11
