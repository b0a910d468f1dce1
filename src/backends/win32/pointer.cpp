// Pointer position.
#include "backends/win32/win32_platform.h"

namespace zv::win32 {

ScreenPoint Win32Platform::cursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

void Win32Platform::setCursorPos(int x, int y) { SetCursorPos(x, y); }

}  // namespace zv::win32
