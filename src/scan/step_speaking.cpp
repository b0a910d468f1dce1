// Saying the lit point: with the option on, each scan step says the name of the point it
// lights, cutting off the name before; with waiting on, an automatic step comes only once
// the name before it has been said, and never sooner than the pace.

#include "app/form_principal.h"
#include "lang/captions.h"
#include "platform/platform.h"
#include "points/messages.h"

namespace zv {

namespace {
// A voice that never says it has finished (a service that hangs) holds a step no longer.
constexpr uint32_t kLongestSpeechWait = 15000;
}  // namespace

bool FormPrincipal::sayingNames() const { return menuSayEachPointsName.checked(); }

void FormPrincipal::startSpeaking() {
    if (!sayingNames()) return;
    speech.start(lang::languageTag(static_cast<lang::Language>(activeLanguage())));
    // A failure now, or during the scanning before (a service that broke), is told while
    // the toolbar is in front; a restart with another program in front (window matching)
    // leaves the telling to a start from the toolbar.
    if (programWindowInFront() && speech.failureToTell()) showInfo(messages::kNoSpeech);
}

void FormPrincipal::sayLitPoint(int index, bool beeped) {
    if (!sayingNames()) return;
    if (speech.say(spokenName(names, index))) return;
    if (!beeped) platform().messageBeep(0);
}

// For a group lit as one step (group scanning calls it in place of sayLitPoint).
void FormPrincipal::sayLitGroup(int first, int last, bool beeped) {
    if (!sayingNames()) return;
    if (speech.say(groupText(spokenName(names, first), spokenName(names, last)))) return;
    if (!beeped) platform().messageBeep(0);
}

bool FormPrincipal::stepWaitsForSpeech() {
    if (!sayingNames() || !menuWaitUntilSaid.checked() || !speech.speaking()) return false;
    TimerEscaneig.setOn(false);
    speechWaitStart = platform().tickCount();
    speechWaitTimer.setOn(true);
    return true;
}

void FormPrincipal::speechWaitTick() {
    const bool tooLong = static_cast<uint32_t>(platform().tickCount() - speechWaitStart) >= kLongestSpeechWait;
    if (speech.speaking() && !tooLong) return;
    speechWaitTimer.setOn(false);
    // The next step a whole pace after this one.
    TimerEscaneig.setOn(true);
    timedStep();
}

}  // namespace zv
