#include "virtual_keys.h"

#include <X11/keysym.h>

namespace zv::hooklib {

namespace {

// Keys other than letters, digits, keypad digits and function keys. The punctuation codes
// are those of the US layout, which is what the key's unshifted keysym names.
struct Pair {
    unsigned long keysym;
    int vk;
};
constexpr Pair kKeys[] = {
    {XK_BackSpace, 8},     {XK_Tab, 9},          {XK_ISO_Left_Tab, 9},  {XK_Clear, 12},
    {XK_Return, 13},       {XK_KP_Enter, 13},    {XK_Shift_L, 16},      {XK_Shift_R, 16},
    {XK_Control_L, 17},    {XK_Control_R, 17},   {XK_Alt_L, 18},        {XK_Alt_R, 18},
    {XK_Meta_L, 18},       {XK_Meta_R, 18},      {XK_ISO_Level3_Shift, 18},
    {XK_Mode_switch, 18},  {XK_Pause, 19},       {XK_Break, 19},        {XK_Caps_Lock, 20},
    {XK_Escape, 27},       {XK_space, 32},       {XK_Prior, 33},        {XK_Next, 34},
    {XK_End, 35},          {XK_Home, 36},        {XK_Left, 37},         {XK_Up, 38},
    {XK_Right, 39},        {XK_Down, 40},        {XK_Select, 41},       {XK_Print, 44},
    {XK_Sys_Req, 44},      {XK_Insert, 45},      {XK_Delete, 46},       {XK_Help, 47},
    {XK_Super_L, 91},      {XK_Super_R, 92},     {XK_Menu, 93},         {XK_KP_Multiply, 106},
    {XK_KP_Add, 107},      {XK_KP_Subtract, 109}, {XK_KP_Decimal, 110},  {XK_KP_Divide, 111},
    // The keypad's decimal key types a comma on some layouts; Windows names it the same.
    {XK_KP_Separator, 110},
    {XK_Num_Lock, 144},    {XK_Scroll_Lock, 145},
    // The keypad with Num Lock off moves the caret, as the grey keys do.
    {XK_KP_Home, 36},      {XK_KP_Up, 38},       {XK_KP_Prior, 33},     {XK_KP_Left, 37},
    {XK_KP_Begin, 12},     {XK_KP_Right, 39},    {XK_KP_End, 35},       {XK_KP_Down, 40},
    {XK_KP_Next, 34},      {XK_KP_Insert, 45},   {XK_KP_Delete, 46},
    {XK_semicolon, 186},   {XK_equal, 187},      {XK_comma, 188},       {XK_minus, 189},
    {XK_period, 190},      {XK_slash, 191},      {XK_grave, 192},       {XK_bracketleft, 219},
    {XK_backslash, 220},   {XK_bracketright, 221}, {XK_apostrophe, 222}, {XK_less, 226},
};

bool isKeypadDigit(unsigned long ks) {
    return (ks >= XK_KP_0 && ks <= XK_KP_9) || ks == XK_KP_Decimal || ks == XK_KP_Separator;
}

}  // namespace

int virtualKeyOf(unsigned long base, unsigned long shifted, bool numLock) {
    unsigned long ks = base;
    if (numLock && isKeypadDigit(shifted)) ks = shifted;

    if (ks >= XK_a && ks <= XK_z) return 65 + static_cast<int>(ks - XK_a);
    if (ks >= XK_A && ks <= XK_Z) return 65 + static_cast<int>(ks - XK_A);
    if (ks >= XK_0 && ks <= XK_9) return 48 + static_cast<int>(ks - XK_0);
    if (ks >= XK_KP_0 && ks <= XK_KP_9) return 96 + static_cast<int>(ks - XK_KP_0);
    if (ks >= XK_F1 && ks <= XK_F24) return 112 + static_cast<int>(ks - XK_F1);
    for (const Pair& p : kKeys)
        if (p.keysym == ks) return p.vk;
    return 0;
}

}  // namespace zv::hooklib
