#pragma once
// The speech of the scan steps, over the desktop's speech service: the lit point's name
// said at each step, cutting off the name before. A desktop that cannot speak (no service,
// no voice, a service that fails) leaves the steps to a beep, and the failure is told once
// in a run of the program.

#include <string>

namespace zv {

class Platform;

class StepSpeech {
public:
    explicit StepSpeech(Platform& platform) : platform_(platform) {}

    // At each start of scanning: readies the voice of the language (an IETF tag). False
    // when the desktop cannot speak.
    bool start(const std::string& language);
    // Says the text, cutting off what is still being said. False when it could not be
    // said: after a failure nothing is tried again until the next start, so that a broken
    // service costs the steps no time.
    bool say(const std::string& text);
    bool speaking();
    // Cuts off what is being said (scanning stops).
    void stop();
    // True the first time it is asked after a failure (at a start, or of a text said) in
    // this run of the program, false ever after: the user hears of the failure once.
    bool failureToTell();

private:
    Platform& platform_;
    bool started_ = false;
    bool working_ = false;
    bool failed_ = false;
    bool told_ = false;
};

// What is said for a group lit as one step: the names of its first and last points, or
// the one name when they are the same point.
std::string groupText(const std::string& first, const std::string& last);

}  // namespace zv
