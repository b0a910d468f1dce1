#include "backends/win32/sapi_voice.h"

#include <windows.h>
#include <sapi.h>

#include <cwchar>
#include <string>

#include "backends/win32/trace.h"
#include "backends/win32/win32_platform.h"
#include "platform/text.h"

namespace zv::win32 {

namespace {

// The primary language of each interface language, as the voices' "Language" attribute
// gives it (hexadecimal language identifiers, several separated by ";").
WORD primaryLanguage(const std::string& tag) {
    if (tag == "ca") return LANG_CATALAN;
    if (tag == "es") return LANG_SPANISH;
    if (tag == "eu") return LANG_BASQUE;
    if (tag == "gl") return LANG_GALICIAN;
    if (tag == "pt") return LANG_PORTUGUESE;
    if (tag == "en") return LANG_ENGLISH;
    if (tag == "fr") return LANG_FRENCH;
    return LANG_NEUTRAL;
}

// A voice the system can speak with: its token names the engine that speaks it (a token
// without one, as Wine lists, is no voice).
bool hasEngine(ISpObjectToken* token) {
    wchar_t* engine = nullptr;
    const bool has = SUCCEEDED(token->GetStringValue(L"CLSID", &engine)) && engine && *engine;
    CoTaskMemFree(engine);
    return has;
}

bool speaksLanguage(ISpObjectToken* token, WORD primary) {
    ISpDataKey* attributes = nullptr;
    if (FAILED(token->OpenKey(L"Attributes", &attributes)) || !attributes) return false;
    wchar_t* value = nullptr;
    bool found = false;
    if (SUCCEEDED(attributes->GetStringValue(L"Language", &value)) && value) {
        for (const wchar_t* p = value; *p;) {
            wchar_t* end = nullptr;
            const unsigned long id = std::wcstoul(p, &end, 16);
            if (end == p) break;
            found = found || PRIMARYLANGID(static_cast<LANGID>(id)) == primary;
            p = *end == L';' ? end + 1 : end;
        }
        CoTaskMemFree(value);
    }
    attributes->Release();
    return found;
}

}  // namespace

SapiVoice::~SapiVoice() {
    if (voice_) {
        voice_->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
        voice_->Release();
    }
    if (comStarted_) CoUninitialize();
}

bool SapiVoice::prepare(const std::string& language) {
    if (!comStarted_) comStarted_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    if (!voice_ && FAILED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                           reinterpret_cast<void**>(&voice_))))
        voice_ = nullptr;
    if (!voice_) return false;

    // The installed voices: none means nothing can be said.
    ISpObjectTokenCategory* category = nullptr;
    if (FAILED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_ALL, IID_ISpObjectTokenCategory,
                                reinterpret_cast<void**>(&category))))
        return false;
    IEnumSpObjectTokens* tokens = nullptr;
    ULONG count = 0;
    if (SUCCEEDED(category->SetId(SPCAT_VOICES, FALSE)) && SUCCEEDED(category->EnumTokens(nullptr, nullptr, &tokens)) &&
        tokens)
        tokens->GetCount(&count);
    const WORD wanted = primaryLanguage(language);
    bool chosen = false;
    ULONG voices = 0;
    for (ULONG i = 0; i < count; ++i) {
        ISpObjectToken* token = nullptr;
        if (FAILED(tokens->Item(i, &token)) || !token) continue;
        if (hasEngine(token)) {
            ++voices;
            if (!chosen && speaksLanguage(token, wanted)) chosen = SUCCEEDED(voice_->SetVoice(token));
        }
        token->Release();
    }
    if (tokens) tokens->Release();
    category->Release();
    if (tracing())
        trace("speech: " + std::to_string(voices) + " voice(s) of " + std::to_string(count) + " token(s)" +
              (chosen ? ", one of the language " + language : ""));
    // Where the interface language has no voice, the user's own (left as it was).
    return voices > 0;
}

bool SapiVoice::speak(const std::string& utf8) {
    if (!voice_) return false;
    const std::u16string text = utf8ToUtf16(utf8);
    const std::wstring wide(text.begin(), text.end());
    const HRESULT said = voice_->Speak(wide.c_str(), SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML, nullptr);
    if (tracing()) trace("speech: Speak " + std::to_string(static_cast<unsigned long>(said)));
    return SUCCEEDED(said);
}

bool SapiVoice::speaking() {
    // S_FALSE: the time (none) ran out before the voice finished.
    return voice_ && voice_->WaitUntilDone(0) == S_FALSE;
}

void SapiVoice::stop() {
    if (voice_) voice_->Speak(nullptr, SPF_PURGEBEFORESPEAK, nullptr);
}

// The port's side.
bool Win32Platform::prepareSpeech(const std::string& language) { return voice_->prepare(language); }
bool Win32Platform::speak(const std::string& text) { return voice_->speak(text); }
bool Win32Platform::speaking() { return voice_->speaking(); }
void Win32Platform::stopSpeaking() { voice_->stop(); }

}  // namespace zv::win32
