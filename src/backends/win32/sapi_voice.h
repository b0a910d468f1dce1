#pragma once
// The speech of Windows: SAPI 5 (ISpVoice), asynchronous, purging what is still being said
// before each text, in the user's default voice unless a voice of the interface language
// is installed.

#include <string>

struct ISpVoice;

namespace zv::win32 {

class SapiVoice {
public:
    SapiVoice() = default;
    ~SapiVoice();
    SapiVoice(const SapiVoice&) = delete;
    SapiVoice& operator=(const SapiVoice&) = delete;

    bool prepare(const std::string& language);
    bool speak(const std::string& utf8);
    bool speaking();
    void stop();

private:
    ISpVoice* voice_ = nullptr;
    bool comStarted_ = false;
};

}  // namespace zv::win32
