// The virtual-key code of a key that Qt reports to one of our windows.
#include "backends/x11/key_events.h"

#include <Qt>

#include "common/keys.h"

namespace zv::x11 {

uint8_t vkForKeyEvent(unsigned long unshifted, unsigned long typed, int qtKey, bool keypad) {
    if (uint8_t vk = vkForKey(unshifted, typed)) return vk;
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
