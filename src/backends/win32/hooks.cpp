// The hook library, bound when the program loads: LlibreriaZentavoro.dll is linked through
// its import library, so the program does not start without it. After every report the
// library calls back inside its hook; that call only posts a message, and the program's
// report handler runs when the message comes, outside the hook.
#include "backends/win32/win32_platform.h"
#include "linked_hook_library.h"
#include "widgets/application.h"

namespace zv::win32 {

namespace {

void postReport(void* context) { PostMessageW(static_cast<HWND>(context), Win32Platform::kHookReportMessage, 0, 0); }

}  // namespace

std::unique_ptr<HookLibrary> makeHookLibrary() { return std::make_unique<LinkedHookLibrary>(); }

HookLibrary& Win32Platform::hooks() { return *hooks_; }

void Win32Platform::listenToHooks() { LlibreriaZentavoroOnReport(postReport, owner_); }

void Win32Platform::stopListeningToHooks() { LlibreriaZentavoroOnReport(nullptr, nullptr); }

void Win32Platform::hookReported() {
    if (app_) app_->hookReported();
}

}  // namespace zv::win32
