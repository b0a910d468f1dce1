// What the program binds: the seven operations, each handing its request to the library
// thread and returning once the hook is in force, and the program's own side of the bridge.

#include "llibreria_zentavoro.h"

#include "hook_thread.h"
#include "mailbox.h"

using zv::hooklib::HookThread;
using zv::hooklib::Request;

extern "C" {

void SetHookExecucio(void) { HookThread::instance().perform({Request::SetHookExecucio}); }
void SetHookGrabacio(void) { HookThread::instance().perform({Request::SetHookGrabacio}); }
void UnHookHook(void) { HookThread::instance().perform({Request::UnHookHook}); }
void SetHookKeyboard(void) { HookThread::instance().perform({Request::SetHookKeyboard}); }
void SetHookQualsevolTecla(void) { HookThread::instance().perform({Request::SetHookQualsevolTecla}); }
void UnHookKeyboard(void) { HookThread::instance().perform({Request::UnHookKeyboard}); }
void UnHookQualsevolTecla(void) { HookThread::instance().perform({Request::UnHookQualsevolTecla}); }

void LlibreriaZentavoroOnReport(LzReportListener listener, void* context) {
    zv::hooklib::setReportListener(listener, context);
}

int LlibreriaZentavoroTakeReport(LzReport* report) { return report && zv::hooklib::takeReport(*report) ? 1 : 0; }

void LlibreriaZentavoroOwnButton(unsigned button, int pressed) {
    HookThread::instance().perform({Request::OwnButton, button, pressed != 0});
}

void LlibreriaZentavoroOwnKey(unsigned keycode, int pressed) {
    HookThread::instance().perform({Request::OwnKey, keycode, pressed != 0});
}

}
