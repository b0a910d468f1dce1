#pragma once
// The seven operations of the companion hook library. It never calls the program back:
// what it catches it writes to the hook mailbox of the settings file.

#include <cstdint>
#include <optional>

namespace zv {

class HookLibrary {
public:
    virtual ~HookLibrary() = default;
    virtual void SetHookExecucio() = 0;
    virtual void SetHookGrabacio() = 0;
    virtual void UnHookHook() = 0;
    virtual void SetHookKeyboard() = 0;
    virtual void SetHookQualsevolTecla() = 0;
    virtual void UnHookKeyboard() = 0;
    virtual void UnHookQualsevolTecla() = 0;

    // While held, the library's reports wait: the program reads a mailbox key and resets it
    // with nothing written between the two, so no press falls between them and is lost.
    // Held only across such a read and reset, with no operation of the library between.
    virtual void holdReports(bool hold) = 0;

    // When the input behind the last report was made, in the tick count's terms; nothing
    // when the library cannot tell, as a library reporting through the mailbox cannot.
    virtual std::optional<uint32_t> timeOfLastReport() const { return std::nullopt; }
};

}  // namespace zv
