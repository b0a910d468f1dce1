// Names of elements on Windows. UI Automation first (ElementFromPoint): the element under
// the point, unless it is one of ours (the snapshot of screen-capture recording covers the
// application) or the top-level window itself, whose name is its title. Then Active
// Accessibility (AccessibleObjectFromPoint) under the same conditions; and, for a point
// that one of our windows covers, the deepest child window of the application's window
// at the point, which is how push buttons and the other standard controls stand.

#include "backends/win32/accessible_names.h"

#include <ole2.h>
#include <oleacc.h>
#include <objbase.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "backends/win32/trace.h"
#include "platform/text.h"

namespace zv::win32 {

namespace {

// The part of UI Automation's client interfaces that this look-up calls, in the order of
// their tables (the build's headers do not declare them).
struct UiElement : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE SetFocus() = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY**) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindFirst(int, void*, void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindAll(int, void*, void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindFirstBuildCache(int, void*, void*, void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE FindAllBuildCache(int, void*, void*, void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE BuildUpdatedCache(void*, void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCurrentPropertyValue(int property, VARIANT* value) = 0;
};
struct UiAutomation : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CompareElements(void*, void*, BOOL*) = 0;
    virtual HRESULT STDMETHODCALLTYPE CompareRuntimeIds(SAFEARRAY*, SAFEARRAY*, BOOL*) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRootElement(void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE ElementFromHandle(HWND, void**) = 0;
    virtual HRESULT STDMETHODCALLTYPE ElementFromPoint(POINT at, UiElement** element) = 0;
};
const CLSID kCuiAutomation = {0xff48dba4, 0x60ef, 0x4201, {0xaa, 0x87, 0x54, 0x10, 0x3e, 0xef, 0x59, 0x4e}};
const IID kIuiAutomation = {0x30cbe57d, 0xd9d0, 0x452a, {0xab, 0x13, 0x7a, 0xc5, 0xac, 0x48, 0x25, 0xee}};
constexpr int kProcessIdProperty = 30002;
constexpr int kNameProperty = 30005;
constexpr int kNativeWindowHandleProperty = 30020;

template <typename T>
struct Com {
    T* p = nullptr;
    ~Com() {
        if (p) p->Release();
    }
    T** out() { return &p; }
    T* operator->() const { return p; }
    explicit operator bool() const { return p != nullptr; }
};

std::string utf8(BSTR text) {
    if (!text) return {};
    return utf16ToUtf8(std::u16string(reinterpret_cast<const char16_t*>(text), SysStringLen(text)));
}

bool ours(HWND w) {
    DWORD process = 0;
    GetWindowThreadProcessId(w, &process);
    return process == GetCurrentProcessId();
}

std::string fromUiAutomation(UiAutomation* automation, HWND window, POINT at) {
    if (!automation) return {};
    Com<UiElement> element;
    if (FAILED(automation->ElementFromPoint(at, element.out())) || !element) return {};
    VARIANT v;
    VariantInit(&v);
    if (SUCCEEDED(element->GetCurrentPropertyValue(kProcessIdProperty, &v)) && v.vt == VT_I4 &&
        static_cast<DWORD>(v.lVal) == GetCurrentProcessId())
        return {};
    VariantClear(&v);
    if (SUCCEEDED(element->GetCurrentPropertyValue(kNativeWindowHandleProperty, &v)) && v.vt == VT_I4 &&
        reinterpret_cast<HWND>(static_cast<LONG_PTR>(v.lVal)) == window)
        return {};
    VariantClear(&v);
    std::string name;
    if (SUCCEEDED(element->GetCurrentPropertyValue(kNameProperty, &v)) && v.vt == VT_BSTR) name = utf8(v.bstrVal);
    VariantClear(&v);
    return name;
}

std::string nameOf(IAccessible* accessible, VARIANT child) {
    BSTR name = nullptr;
    std::string out;
    if (SUCCEEDED(accessible->get_accName(child, &name))) out = utf8(name);
    SysFreeString(name);
    return out;
}

std::string fromActiveAccessibility(HWND window, POINT at) {
    Com<IAccessible> accessible;
    VARIANT child;
    VariantInit(&child);
    if (FAILED(AccessibleObjectFromPoint(at, accessible.out(), &child)) || !accessible) return {};
    HWND owner = nullptr;
    WindowFromAccessibleObject(accessible.p, &owner);
    std::string name;
    const bool itself = owner == window && child.vt == VT_I4 && child.lVal == CHILDID_SELF;
    if (owner && !ours(owner) && GetAncestor(owner, GA_ROOT) == window && !itself) name = nameOf(accessible.p, child);
    VariantClear(&child);
    return name;
}

std::string fromChildWindow(HWND window, POINT at) {
    HWND deepest = window;
    for (int depth = 0; depth < 16; ++depth) {
        POINT local = at;
        ScreenToClient(deepest, &local);
        HWND inner = ChildWindowFromPointEx(deepest, local, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (!inner || inner == deepest) break;
        deepest = inner;
    }
    if (deepest == window) return {};
    Com<IAccessible> accessible;
    if (FAILED(AccessibleObjectFromWindow(deepest, OBJID_CLIENT, IID_IAccessible,
                                          reinterpret_cast<void**>(accessible.out()))) ||
        !accessible)
        return {};
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return nameOf(accessible.p, self);
}

}  // namespace

struct AccessibleNames::Shared {
    struct Request {
        uint32_t id;
        HWND window;
        POINT at;
    };
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Request> queue;
    std::vector<AccessibleNameAnswer> answers;
    bool stopping = false;
};

namespace {

void lookUp(const std::shared_ptr<AccessibleNames::Shared>& shared);

}  // namespace

AccessibleNames::~AccessibleNames() {
    if (!shared_) return;
    {
        std::lock_guard lock(shared_->mutex);
        shared_->stopping = true;
    }
    shared_->wake.notify_all();
}

void AccessibleNames::ready() {
    if (shared_) return;
    shared_ = std::make_shared<Shared>();
    // A look-up held up by an application that does not answer must not hold up the end
    // of the program: the thread is left to end with the process.
    std::thread([shared = shared_] { lookUp(shared); }).detach();
}

std::optional<uint32_t> AccessibleNames::request(HWND window, int x, int y) {
    ready();
    std::lock_guard lock(shared_->mutex);
    const uint32_t id = next_++;
    shared_->queue.push_back({id, window, POINT{x, y}});
    shared_->wake.notify_all();
    return id;
}

std::vector<AccessibleNameAnswer> AccessibleNames::answers() {
    std::vector<AccessibleNameAnswer> out;
    if (!shared_) return out;
    std::lock_guard lock(shared_->mutex);
    out.swap(shared_->answers);
    return out;
}

namespace {

void lookUp(const std::shared_ptr<AccessibleNames::Shared>& shared) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    {
        Com<UiAutomation> automation;
        // Where UI Automation is not there (older systems), Active Accessibility alone.
        CoCreateInstance(kCuiAutomation, nullptr, CLSCTX_INPROC_SERVER, kIuiAutomation,
                         reinterpret_cast<void**>(automation.out()));
        for (;;) {
            AccessibleNames::Shared::Request r;
            {
                std::unique_lock lock(shared->mutex);
                shared->wake.wait(lock, [&] { return shared->stopping || !shared->queue.empty(); });
                if (shared->stopping) break;
                r = shared->queue.front();
                shared->queue.pop_front();
            }
            std::string name = fromUiAutomation(automation.p, r.window, r.at);
            const char* from = "UI Automation";
            if (name.empty()) name = fromActiveAccessibility(r.window, r.at), from = "Active Accessibility";
            if (name.empty()) name = fromChildWindow(r.window, r.at), from = "the child window";
            if (tracing())
                trace("accessible name at " + std::to_string(r.at.x) + " " + std::to_string(r.at.y) + ": '" +
                      utf8ToCp1252(name) + "'" + (name.empty() ? "" : std::string(" from ") + from) +
                      (automation ? "" : " (no UI Automation)"));
            std::lock_guard lock(shared->mutex);
            shared->answers.push_back({r.id, name});
        }
    }
    CoUninitialize();
}

}  // namespace

}  // namespace zv::win32

// The port's side.
#include "backends/win32/win32_platform.h"

namespace zv::win32 {

void Win32Platform::readyAccessibility() { names_->ready(); }

std::optional<uint32_t> Win32Platform::requestAccessibleName(WindowId w, int x, int y) {
    return names_->request(reinterpret_cast<HWND>(w), x, y);
}

std::vector<AccessibleNameAnswer> Win32Platform::accessibleNames() { return names_->answers(); }

}  // namespace zv::win32
