// The hook library, bound when the program loads: LlibreriaZentavoro.dll is linked through
// its import library, so the program does not start without it.
#include "backends/win32/win32_platform.h"
#include "linked_hook_library.h"

namespace zv::win32 {
std::unique_ptr<HookLibrary> makeHookLibrary() { return std::make_unique<LinkedHookLibrary>(); }

HookLibrary& Win32Platform::hooks() { return *hooks_; }

}  // namespace zv::win32
