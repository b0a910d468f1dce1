// The seven operations that the program binds. Each hands its request to the library
// thread and returns once the hook is in force.

#include "llibreria_zentavoro.h"

#include "hook_thread.h"

using zv::hooklib::HookThread;
using zv::hooklib::Request;

extern "C" {

void SetHookExecucio(void) { HookThread::instance().perform(Request::SetHookExecucio); }
void SetHookGrabacio(void) { HookThread::instance().perform(Request::SetHookGrabacio); }
void UnHookHook(void) { HookThread::instance().perform(Request::UnHookHook); }
void SetHookKeyboard(void) { HookThread::instance().perform(Request::SetHookKeyboard); }
void SetHookQualsevolTecla(void) { HookThread::instance().perform(Request::SetHookQualsevolTecla); }
void UnHookKeyboard(void) { HookThread::instance().perform(Request::UnHookKeyboard); }
void UnHookQualsevolTecla(void) { HookThread::instance().perform(Request::UnHookQualsevolTecla); }

}
