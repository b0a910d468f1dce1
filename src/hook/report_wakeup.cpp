// A report of the hook library is acted on at once: while the poll timer is on, its tick
// runs as soon as the report is waiting, and its period starts again from there, so a
// switch press clicks on the point the user saw rather than up to a period later.
// The tick takes the report as it takes what other programs write into the mailbox.

#include "app/form_principal.h"
#include "hook/mailbox.h"
#include "platform/platform.h"
#include "widgets/application.h"

namespace zv {

bool FormPrincipal::pollMailboxNow() {
    if (!TimerMouseHook.on() || TimerMouseHook.running()) return false;
    TimerMouseHook.restart();
    TimerMouseHook.fire();
    return true;
}

void FormPrincipal::hookReportArrived() {
    if (pollMailboxNow()) return;
    // The poll timer is off only around a placement or a synthesised click, inside a
    // handler that switches it on again when it ends: the report is acted on then, not a
    // whole period later. Off anywhere else, the report waits for the next tick.
    if (app().handling()) app().afterHandlers([this] { pollMailboxNow(); });
}

void FormPrincipal::resetMailbox() {
    mailbox::resetKeyboard();
    hookMailbox.discard(platform().hooks());
}

}  // namespace zv
