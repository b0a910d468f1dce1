#pragma once
// The speech of the Linux desktop: speech-dispatcher, the service the desktop's screen
// reader speaks through, with the user's own voice and rate. libspeechd is loaded at run
// time: without it (or without the service) the program runs and cannot speak.

#include <memory>
#include <string>

namespace zv::x11 {

class SpeechDispatcher {
public:
    SpeechDispatcher();
    ~SpeechDispatcher();
    SpeechDispatcher(const SpeechDispatcher&) = delete;
    SpeechDispatcher& operator=(const SpeechDispatcher&) = delete;

    bool prepare(const std::string& language);
    bool speak(const std::string& utf8);
    bool speaking() const;
    void stop();

private:
    struct Service;
    std::unique_ptr<Service> service_;
};

}  // namespace zv::x11
