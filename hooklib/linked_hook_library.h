#pragma once
// The platform port's hook library when the companion library is linked into the program:
// each operation calls the library's exported function of the same name.

#include "llibreria_zentavoro.h"
#include "platform/hook_library.h"

namespace zv {

class LinkedHookLibrary final : public HookLibrary {
public:
    void SetHookExecucio() override { ::SetHookExecucio(); }
    void SetHookGrabacio() override { ::SetHookGrabacio(); }
    void UnHookHook() override { ::UnHookHook(); }
    void SetHookKeyboard() override { ::SetHookKeyboard(); }
    void SetHookQualsevolTecla() override { ::SetHookQualsevolTecla(); }
    void UnHookKeyboard() override { ::UnHookKeyboard(); }
    void UnHookQualsevolTecla() override { ::UnHookQualsevolTecla(); }
    void holdReports(bool hold) override { LlibreriaZentavoroHoldReports(hold ? 1 : 0); }
};

}  // namespace zv
