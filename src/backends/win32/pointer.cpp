// Pointer position.
#include "backends/win32/trace.h"
#include "backends/win32/win32_platform.h"

namespace zv::win32 {

ScreenPoint Win32Platform::cursorPos() {
    POINT p{};
    GetCursorPos(&p);
    if (tracing()) trace("cursorPos " + std::to_string(p.x) + " " + std::to_string(p.y));
    return {p.x, p.y};
}

void Win32Platform::setCursorPos(int x, int y) {
    SetCursorPos(x, y);
    if (tracing()) trace("setCursorPos " + std::to_string(x) + " " + std::to_string(y));
}

}  // namespace zv::win32
