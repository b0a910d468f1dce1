// The hook library, bound when the program loads: LlibreriaZentavoro.dll is linked through
// its import library, so the program does not start without it.
#include "backends/win32/win32_platform.h"
#include "llibreria_zentavoro.h"

namespace zv::win32 {
namespace {

class DllHookLibrary final : public HookLibrary {
public:
    void SetHookExecucio() override { ::SetHookExecucio(); }
    void SetHookGrabacio() override { ::SetHookGrabacio(); }
    void UnHookHook() override { ::UnHookHook(); }
    void SetHookKeyboard() override { ::SetHookKeyboard(); }
    void SetHookQualsevolTecla() override { ::SetHookQualsevolTecla(); }
    void UnHookKeyboard() override { ::UnHookKeyboard(); }
    void UnHookQualsevolTecla() override { ::UnHookQualsevolTecla(); }
};

}  // namespace

std::unique_ptr<HookLibrary> makeHookLibrary() { return std::make_unique<DllHookLibrary>(); }

HookLibrary& Win32Platform::hooks() { return *hooks_; }

}  // namespace zv::win32
