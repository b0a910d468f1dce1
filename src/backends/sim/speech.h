#pragma once
// The speech service of the simulated desktop: it says texts over the virtual clock, a
// set time per character, and records what happens: "voice LANG" (readied in the voice of
// that language, or "voice default" when it has none), "say TEXT", and "cut" when a text
// still being said is cut off.

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace zv::sim {

class SimClock;
class Trace;

class SimSpeech {
public:
    SimSpeech(const SimClock& clock, const Trace& trace) : clock_(clock), trace_(trace) {}

    // Working; none installed; or readied but failing at every text.
    enum class Service { Working, None, Failing };
    Service service = Service::Working;
    uint32_t msPerCharacter = 60;
    std::set<std::string> voices = {"ca", "es", "eu", "gl", "pt", "en", "fr"};

    bool prepare(const std::string& language);
    bool speak(const std::string& utf8);
    bool speaking() const;
    void stop();

    // The records, texts as a scenario writes them.
    std::vector<std::string>& records() { return records_; }

private:
    void cutIfSpeaking();

    const SimClock& clock_;
    const Trace& trace_;
    uint32_t endsAt_ = 0;
    bool saying_ = false;
    std::vector<std::string> records_;
};

}  // namespace zv::sim
