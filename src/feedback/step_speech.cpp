#include "feedback/step_speech.h"

#include "platform/platform.h"

namespace zv {

bool StepSpeech::start(const std::string& language) {
    started_ = true;
    working_ = platform_.prepareSpeech(language);
    failed_ = failed_ || !working_;
    return working_;
}

bool StepSpeech::say(const std::string& text) {
    if (!working_) return false;
    if (platform_.speak(text)) return true;
    working_ = false;
    failed_ = true;
    return false;
}

bool StepSpeech::speaking() { return working_ && platform_.speaking(); }

void StepSpeech::stop() {
    if (started_ && working_) platform_.stopSpeaking();
}

bool StepSpeech::failureToTell() {
    if (!failed_ || told_) return false;
    told_ = true;
    return true;
}

std::string groupText(const std::string& first, const std::string& last) {
    // A comma: every voice pauses there, in every language.
    return first == last ? first : first + ", " + last;
}

}  // namespace zv
