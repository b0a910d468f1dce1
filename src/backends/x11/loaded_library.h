#pragma once
// A shared library loaded at run time, so that a desktop without it still runs the
// program (it then goes without what the library gives). Its functions are looked up by
// name and typed from the library's own header. It stays loaded until the process ends:
// its threads may outlive whoever asked for it.

#include <dlfcn.h>

namespace zv::x11 {

class LoadedLibrary {
public:
    explicit LoadedLibrary(const char* soname) : handle_(dlopen(soname, RTLD_NOW | RTLD_LOCAL)) {}
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    bool loaded() const { return handle_ != nullptr; }
    // Sets f to the function of that name (the library's own dependencies are searched
    // too); false when there is none.
    template <typename F>
    bool find(F& f, const char* name) const {
        f = handle_ ? reinterpret_cast<F>(dlsym(handle_, name)) : nullptr;
        return f != nullptr;
    }

private:
    void* handle_;
};

}  // namespace zv::x11
