#include "backends/sim/speech.h"

#include "backends/sim/clock_and_timers.h"
#include "backends/sim/trace.h"
#include "backends/sim/unicode_text.h"
#include "platform/text.h"

namespace zv::sim {

namespace {
size_t characters(const std::string& utf8) {
    size_t n = 0, i = 0;
    while (i < utf8.size()) {
        nextUtf8Character(utf8, i);
        ++n;
    }
    return n;
}
}  // namespace

bool SimSpeech::prepare(const std::string& language) {
    if (service == Service::None) {
        trace_("no speech service");
        return false;
    }
    const std::string voice = voices.count(language) ? language : "default";
    records_.push_back("voice " + voice);
    trace_("the voice is readied: " + voice);
    return true;
}

bool SimSpeech::speak(const std::string& utf8) {
    if (service != Service::Working) {
        trace_("the speech service fails to say \"" + scenarioFromUtf8(utf8) + "\"");
        return false;
    }
    cutIfSpeaking();
    records_.push_back("say " + scenarioFromUtf8(utf8));
    trace_("the voice says \"" + scenarioFromUtf8(utf8) + "\"");
    saying_ = true;
    endsAt_ = clock_.now() + static_cast<uint32_t>(characters(utf8)) * msPerCharacter;
    return true;
}

bool SimSpeech::speaking() const { return saying_ && tickDiff(clock_.now(), endsAt_) < 0; }

void SimSpeech::stop() { cutIfSpeaking(); }

void SimSpeech::cutIfSpeaking() {
    if (speaking()) {
        records_.push_back("cut");
        trace_("the voice is cut off");
    }
    saying_ = false;
}

}  // namespace zv::sim
