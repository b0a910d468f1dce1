// The companion hook library. When the build has it, it is linked in; otherwise it is
// opened by name when the program starts, and the operations it does not offer do
// nothing, which is said once on the standard error.

#include <dlfcn.h>

#include <cstdio>
#include <string>

#include <QCoreApplication>

#include "backends/x11/x11_platform.h"

#ifdef ZENTAVORO_HOOKS_LINKED
#include "linked_hook_library.h"
#endif

namespace zv::x11 {

namespace {

class LoadedHooks : public HookLibrary {
public:
    LoadedHooks() {
        const std::string here = QCoreApplication::applicationDirPath().toStdString();
        for (const std::string& name : {here + "/libLlibreriaZentavoro.so", here + "/../lib/libLlibreriaZentavoro.so",
                                        std::string("libLlibreriaZentavoro.so")}) {
            handle_ = dlopen(name.c_str(), RTLD_NOW | RTLD_GLOBAL);
            if (handle_) break;
        }
        std::string missing;
        for (int i = 0; i < kCount; ++i) {
            ops_[i] = handle_ ? reinterpret_cast<Op>(dlsym(handle_, kNames[i])) : nullptr;
            if (!ops_[i]) missing += std::string(missing.empty() ? "" : ", ") + kNames[i];
        }
        if (!handle_)
            std::fprintf(stderr, "zentavoro: libLlibreriaZentavoro.so not found (%s): no hooks, switch presses and "
                                 "recording clicks are not reported\n", dlerror());
        else if (!missing.empty())
            std::fprintf(stderr, "zentavoro: libLlibreriaZentavoro.so lacks %s: those operations do nothing\n",
                         missing.c_str());
    }
    ~LoadedHooks() override {
        if (handle_) dlclose(handle_);
    }
    void SetHookExecucio() override { call(0); }
    void SetHookGrabacio() override { call(1); }
    void UnHookHook() override { call(2); }
    void SetHookKeyboard() override { call(3); }
    void SetHookQualsevolTecla() override { call(4); }
    void UnHookKeyboard() override { call(5); }
    void UnHookQualsevolTecla() override { call(6); }

private:
    using Op = void (*)();
    static constexpr int kCount = 7;
    static constexpr const char* kNames[kCount] = {"SetHookExecucio", "SetHookGrabacio",       "UnHookHook",
                                                   "SetHookKeyboard", "SetHookQualsevolTecla", "UnHookKeyboard",
                                                   "UnHookQualsevolTecla"};
    void call(int i) {
        if (ops_[i]) ops_[i]();
    }
    void* handle_ = nullptr;
    Op ops_[kCount] = {};
};

}  // namespace

std::unique_ptr<HookLibrary> openHookLibrary() {
#ifdef ZENTAVORO_HOOKS_LINKED
    return std::make_unique<LinkedHookLibrary>();
#else
    return std::make_unique<LoadedHooks>();
#endif
}

}  // namespace zv::x11
