// The one table of keysyms and virtual-key codes.
#include "common/keys.h"

#include <X11/keysym.h>

namespace zv::x11 {

namespace {

struct KeyPair {
    uint8_t vk;
    unsigned long keysym;
};

// Keys other than letters, digits, keypad digits and function keys. The first keysym
// listed for a code is the one pressed; the first code listed for a keysym is the one a
// key reports. The punctuation codes are those of the US layout, which is what a key's
// unshifted keysym names.
constexpr KeyPair kKeys[] = {
    {0x08, XK_BackSpace}, {0x09, XK_Tab},        {0x09, XK_ISO_Left_Tab}, {0x09, XK_KP_Tab},
    {0x0C, XK_Clear},     {0x0C, XK_KP_Begin},   {0x0D, XK_Return},       {0x0D, XK_KP_Enter},
    {0x10, XK_Shift_L},   {0x10, XK_Shift_R},    {0x11, XK_Control_L},    {0x11, XK_Control_R},
    {0x12, XK_Alt_L},     {0x12, XK_Alt_R},      {0x12, XK_Meta_L},       {0x12, XK_Meta_R},
    {0x12, XK_ISO_Level3_Shift},                 {0x12, XK_Mode_switch},
    {0x13, XK_Pause},     {0x13, XK_Break},      {0x14, XK_Caps_Lock},    {0x1B, XK_Escape},
    {0x20, XK_space},     {0x20, XK_KP_Space},   {0x21, XK_Prior},        {0x21, XK_KP_Prior},
    {0x22, XK_Next},      {0x22, XK_KP_Next},    {0x23, XK_End},          {0x23, XK_KP_End},
    {0x24, XK_Home},      {0x24, XK_KP_Home},    {0x25, XK_Left},         {0x25, XK_KP_Left},
    {0x26, XK_Up},        {0x26, XK_KP_Up},      {0x27, XK_Right},        {0x27, XK_KP_Right},
    {0x28, XK_Down},      {0x28, XK_KP_Down},    {0x29, XK_Select},       {0x2C, XK_Print},
    {0x2C, XK_Sys_Req},   {0x2D, XK_Insert},     {0x2D, XK_KP_Insert},    {0x2E, XK_Delete},
    {0x2E, XK_KP_Delete}, {0x2F, XK_Help},       {0x5B, XK_Super_L},      {0x5C, XK_Super_R},
    {0x5D, XK_Menu},
    {0x6A, XK_KP_Multiply}, {0x6B, XK_KP_Add},   {0x6D, XK_KP_Subtract},  {0x6E, XK_KP_Decimal},
    // The keypad's decimal key types a comma on many layouts; Windows names that key the
    // decimal key too. The separator code only presses it.
    {0x6E, XK_KP_Separator}, {0x6C, XK_KP_Separator}, {0x6F, XK_KP_Divide},
    {0x90, XK_Num_Lock},  {0x91, XK_Scroll_Lock},
    // The left and right modifiers can be pressed by their own codes; a key reports the
    // generic ones above, as a window's key messages carry them.
    {0xA0, XK_Shift_L},   {0xA1, XK_Shift_R},    {0xA2, XK_Control_L},    {0xA3, XK_Control_R},
    {0xA4, XK_Alt_L},     {0xA5, XK_Alt_R},
    {0xBA, XK_semicolon}, {0xBB, XK_equal},      {0xBC, XK_comma},        {0xBD, XK_minus},
    {0xBE, XK_period},    {0xBF, XK_slash},      {0xC0, XK_grave},        {0xDB, XK_bracketleft},
    {0xDC, XK_backslash}, {0xDD, XK_bracketright}, {0xDE, XK_apostrophe}, {0xE2, XK_less},
};

bool typesOnKeypad(unsigned long ks) {
    return (ks >= XK_KP_0 && ks <= XK_KP_9) || ks == XK_KP_Decimal || ks == XK_KP_Separator;
}

bool onKeypad(unsigned long ks) { return ks >= XK_KP_Space && ks <= XK_KP_9; }

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
    for (const KeyPair& k : kKeys)
        if (k.keysym == ks) return k.vk;
    return 0;
}

uint8_t vkForKey(unsigned long unshifted, unsigned long typed) {
    if (onKeypad(unshifted) && typesOnKeypad(typed)) return vkForKeysym(typed);
    if (uint8_t vk = vkForKeysym(unshifted)) return vk;
    return vkForKeysym(typed);
}

}  // namespace zv::x11
