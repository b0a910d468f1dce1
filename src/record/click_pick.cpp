// One click taken as a place, for the point editor: the recording hooks catch it as they
// catch a recorded click, and it goes no further. Escape, the right button or a click on
// one of the program's own windows give the place up.

#include "app/form_principal.h"
#include "hook/mailbox.h"
#include "platform/mailbox_keys.h"
#include "platform/platform.h"
#include "widgets/application.h"

namespace zv {

void FormPrincipal::takeNextClick(const std::string& note, std::function<void(int x, int y)> taken,
                                  std::function<void()> cancelled) {
    clickPick = ClickPick{std::move(taken), std::move(cancelled)};
    noteInTitle(note);
    // A switch value left over from before the hooks (a program that ended mid-report)
    // must not be taken for the carer's click.
    mailbox::resetClick();
    platform().hooks().SetHookGrabacio();
    listenToRecordingHooks();
}

void FormPrincipal::clickPickTick() {
    // The hook library's report of this tick, else what another program wrote in the
    // mailbox of the settings file.
    const std::optional<HookReport> report = hookMailbox.next(platform().hooks());
    const bool reportedKey = report && report->kind == HookReport::Kind::Key;
    const bool reportedClick = report && report->kind == HookReport::Kind::Click;
    const std::string fileKey = mailbox::takeKeyboard();
    const std::string fileClick = mailbox::readClick();
    if (fileClick != mailbox_keys::clickText(mailbox_keys::ClickValue::NoPress)) mailbox::resetClick();
    if (hookMailbox.waiting()) app().afterHandlers([this] { pollMailboxNow(); });
    const std::string key = reportedKey ? std::to_string(report->value) : fileKey;
    const std::string click = reportedClick ? std::to_string(report->value) : fileClick;
    if (key == vk::text(vk::Escape) || click == mailbox_keys::clickText(mailbox_keys::ClickValue::RightButton)) {
        endClickPick(std::nullopt);
        return;
    }
    if (click != mailbox_keys::clickText(mailbox_keys::ClickValue::Switch)) return;
    const ScreenPoint at = platform().cursorPos();
    // The carer came back to the toolbar or another window of ours: not a place in the
    // application. The markers let the mouse through and are no window to come back to.
    const Form* ours = app().formOf(platform().windowFromPoint(at.x, at.y));
    if (ours && ours->takesInput) {
        endClickPick(std::nullopt);
        return;
    }
    endClickPick(std::make_pair(at.x, at.y));
}

void FormPrincipal::endClickPick(std::optional<std::pair<int, int>> at) {
    if (!clickPick) return;
    const ClickPick pick = std::move(*clickPick);
    clickPick.reset();
    TimerMouseHook.setOn(false);
    platform().hooks().UnHookHook();
    platform().hooks().UnHookKeyboard();
    HookInstalled = false;
    resetMailbox();
    clearTitleNote();
    if (at)
        pick.taken(at->first, at->second);
    else
        pick.cancelled();
}

}  // namespace zv
