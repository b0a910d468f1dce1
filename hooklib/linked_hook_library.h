#pragma once
// The platform port's hook library when the companion library is linked into the program:
// each operation calls the library's exported function of the same name, and the reports
// come from its memory.

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
    std::optional<HookReport> takeReport() override {
        LzReport taken{};
        if (!LlibreriaZentavoroTakeReport(&taken)) return std::nullopt;
        HookReport report;
        report.kind = taken.kind == LZ_REPORT_KEY ? HookReport::Kind::Key : HookReport::Kind::Click;
        report.value = taken.value;
        report.tick = taken.time;
        if (taken.hasTitle) report.windowTitle = std::string(taken.title);
        return report;
    }
};

}  // namespace zv
