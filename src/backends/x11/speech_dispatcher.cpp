// speech-dispatcher through libspeechd, loaded at run time. One connection for the run of
// the program, opened at the first start of scanning that says names (the service is
// started then if it is not running), opened again after it failed. Whether a text is
// still being said comes from the service's notifications, on its connection's own thread.

#include "backends/x11/speech_dispatcher.h"

#include <atomic>
#include <cctype>
#include <cstddef>
#include <cstdlib>

#include <libspeechd.h>

#include "backends/x11/loaded_library.h"

namespace zv::x11 {

namespace {

// The notifications carry no pointer of ours: the one connection's state is here. Message
// numbers grow through the service's life, so a text is being said while the last one
// given has not been reported ended.
std::atomic<size_t> lastSaid{0};
std::atomic<size_t> lastEnded{0};

void ended(size_t message, size_t, SPDNotificationType) {
    size_t seen = lastEnded.load();
    while (message > seen && !lastEnded.compare_exchange_weak(seen, message)) {
    }
}

// "es" for the voices "es", "es-ES", "es_419"...
bool sameLanguage(const char* voice, const std::string& tag) {
    if (!voice) return false;
    for (size_t i = 0; i < tag.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(voice[i])) != tag[i]) return false;
    const char next = voice[tag.size()];
    return next == '\0' || next == '-' || next == '_';
}

}  // namespace

struct SpeechDispatcher::Service {
    LoadedLibrary library{"libspeechd.so.2"};
    decltype(&spd_open2) open = nullptr;
    decltype(&spd_close) close = nullptr;
    decltype(&spd_say) say = nullptr;
    decltype(&spd_cancel) cancel = nullptr;
    decltype(&spd_set_language) setLanguage = nullptr;
    decltype(&spd_list_synthesis_voices) voices = nullptr;
    decltype(&free_spd_voices) freeVoices = nullptr;
    decltype(&spd_set_notification_on) notify = nullptr;
    bool complete = false;
    SPDConnection* connection = nullptr;

    Service() {
        complete = library.find(open, "spd_open2") && library.find(close, "spd_close") && library.find(say, "spd_say") &&
                   library.find(cancel, "spd_cancel") && library.find(setLanguage, "spd_set_language") &&
                   library.find(voices, "spd_list_synthesis_voices") && library.find(freeVoices, "free_spd_voices") &&
                   library.find(notify, "spd_set_notification_on");
    }

    void disconnect() {
        if (connection) close(connection);
        connection = nullptr;
    }

    bool connect() {
        if (connection) return true;
        char* error = nullptr;
        connection = open("zentavoro", "main", nullptr, SPD_MODE_THREADED, nullptr, 1, &error);
        free(error);
        if (!connection) return false;
        connection->callback_end = ended;
        connection->callback_cancel = ended;
        notify(connection, SPD_END);
        notify(connection, SPD_CANCEL);
        return true;
    }
};

SpeechDispatcher::SpeechDispatcher() = default;

SpeechDispatcher::~SpeechDispatcher() {
    if (service_) service_->disconnect();
}

bool SpeechDispatcher::prepare(const std::string& language) {
    if (!service_) service_ = std::make_unique<Service>();
    if (!service_->complete || !service_->connect()) return false;
    SPDVoice** voices = service_->voices(service_->connection);
    if (!voices) {
        // A service that lists no voice has none to speak with, or has gone: the next
        // start asks it anew.
        service_->disconnect();
        return false;
    }
    bool found = false, any = false;
    for (SPDVoice** v = voices; *v; ++v) {
        any = true;
        found = found || sameLanguage((*v)->language, language);
    }
    service_->freeVoices(voices);
    if (!any) return false;
    // The user's own voice where the interface language has none.
    if (found) service_->setLanguage(service_->connection, language.c_str());
    return true;
}

bool SpeechDispatcher::speak(const std::string& utf8) {
    if (!service_ || !service_->connection) return false;
    // A round trip to the service saved when there is nothing to cut off.
    if (speaking()) service_->cancel(service_->connection);
    const int message = service_->say(service_->connection, SPD_TEXT, utf8.c_str());
    if (message < 0) {
        service_->disconnect();
        return false;
    }
    lastSaid = static_cast<size_t>(message);
    return true;
}

bool SpeechDispatcher::speaking() const {
    return service_ && service_->connection && lastSaid.load() > lastEnded.load();
}

void SpeechDispatcher::stop() {
    if (service_ && service_->connection) service_->cancel(service_->connection);
}

}  // namespace zv::x11

// The port's side.
#include "backends/x11/x11_platform.h"

namespace zv::x11 {

bool X11Platform::prepareSpeech(const std::string& language) { return speech_->prepare(language); }
bool X11Platform::speak(const std::string& text) { return speech_->speak(text); }
bool X11Platform::speaking() { return speech_->speaking(); }
void X11Platform::stopSpeaking() { speech_->stop(); }

}  // namespace zv::x11
