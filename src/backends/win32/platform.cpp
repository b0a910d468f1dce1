// The Win32 platform: construction, clock and waiting, the message loops, fonts and the
// application's activation. The other operations live in the files named after them.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "backends/win32/accessible_names.h"
#include "backends/win32/binding.h"
#include "backends/win32/sapi_voice.h"
#include "backends/win32/wide.h"
#include "backends/win32/win32_platform.h"
#include "widgets/application.h"

namespace zv::win32 {
namespace {

const wchar_t* const kOwnerClass = L"ZentavoroApplication";

bool fontFamilyExists(HDC dc, const std::wstring& family) {
    LOGFONTW lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(lf.lfFaceName, family.c_str(), LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(
        dc, &lf, [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
            *reinterpret_cast<bool*>(found) = true;
            return 0;
        },
        reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

}  // namespace

std::unique_ptr<HookLibrary> makeHookLibrary();

Win32Platform::Win32Platform(HINSTANCE instance)
    : instance_(instance), pictures_(instance), hooks_(makeHookLibrary()), names_(std::make_unique<AccessibleNames>()),
      voice_(std::make_unique<SapiVoice>()) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_UPDOWN_CLASS | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    Win32Binding::registerClasses(instance_);

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = ownerProc;
    wc.hInstance = instance_;
    wc.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
    wc.lpszClassName = kOwnerClass;
    RegisterClassExW(&wc);
    // No title: the program looks for its own windows by title and must not find this one.
    owner_ = CreateWindowExW(0, kOwnerClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance_, nullptr);
    SetWindowLongPtrW(owner_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    listenToHooks();
}

LRESULT CALLBACK Win32Platform::ownerProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kHookReportMessage) {
        if (auto* self = reinterpret_cast<Win32Platform*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) self->hookReported();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

Win32Platform::~Win32Platform() {
    stopListeningToHooks();
    for (auto& [key, font] : fonts_) DeleteObject(font);
    if (owner_) DestroyWindow(owner_);
}

uint32_t Win32Platform::tickCount() { return GetTickCount(); }

void Win32Platform::sleep(unsigned ms) { Sleep(ms); }

void Win32Platform::handle(MSG& msg) {
    for (Win32Binding* binding : bindings_)
        if (binding->handleShortcut(msg)) return;
    for (Win32Binding* binding : bindings_)
        if (binding->handleDialogKeys(msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void Win32Platform::processMessages(Application& app) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            app.terminate();
            return;
        }
        handle(msg);
    }
}

void Win32Platform::runMessageLoop(Application& app) {
    MSG msg;
    while (!app.terminated()) {
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            app.terminate();
            break;
        }
        handle(msg);
    }
}

std::unique_ptr<FormBinding> Win32Platform::bind(Form& form) {
    app_ = &form.app();
    return std::make_unique<Win32Binding>(*this, form);
}

HWND Win32Platform::dialogOwner() const {
    if (app_ && app_->mainForm()) {
        if (HWND main = reinterpret_cast<HWND>(app_->mainForm()->windowId())) return main;
    }
    return nullptr;
}

void Win32Platform::added(Win32Binding* binding) { bindings_.push_back(binding); }

void Win32Platform::removed(Win32Binding* binding) {
    bindings_.erase(std::remove(bindings_.begin(), bindings_.end(), binding), bindings_.end());
}

void Win32Platform::applicationActivated(Application& app, bool active) {
    if (active == active_) return;
    active_ = active;
    if (active) app.activated();
}

HFONT Win32Platform::font(const std::string& family, int height, bool bold) {
    auto key = std::make_tuple(family, height, bold);
    if (auto it = fonts_.find(key); it != fonts_.end()) return it->second;
    // The forms were designed with fonts that a given Windows may lack ("MS Sans Serif" is
    // gone from recent ones): take the closest that is there.
    std::wstring face = widen(family.empty() ? "MS Sans Serif" : family);
    HDC dc = GetDC(nullptr);
    if (!fontFamilyExists(dc, face)) {
        for (const wchar_t* fallback : {L"Microsoft Sans Serif", L"Tahoma", L"Arial"}) {
            if (fontFamilyExists(dc, fallback)) {
                face = fallback;
                break;
            }
        }
    }
    ReleaseDC(nullptr, dc);
    HFONT f = CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    fonts_[key] = f;
    return f;
}

}  // namespace zv::win32
