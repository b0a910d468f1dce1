// One copy of the program at a time: a named mutex that the first copy creates the moment
// it starts, and that goes with its process; its main window carries a property that names
// it to the other starts, shown or hidden.
#include "backends/win32/win32_platform.h"

namespace zv::win32 {

namespace {

constexpr const wchar_t* kMutexName = L"Local\\Zentavoro.Instance";
constexpr const wchar_t* kMainWindowProperty = L"Zentavoro.MainWindow";

BOOL CALLBACK findNamed(HWND w, LPARAM found) {
    if (!GetPropW(w, kMainWindowProperty)) return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
}

}  // namespace

bool Win32Platform::claimInstance() {
    if (instanceMutex_) return true;
    HANDLE mutex = CreateMutexW(nullptr, FALSE, kMutexName);
    if (!mutex) return false;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    instanceMutex_ = mutex;  // held until the process ends
    return true;
}

WindowId Win32Platform::instanceWindow() {
    HWND found = nullptr;
    EnumWindows(findNamed, reinterpret_cast<LPARAM>(&found));
    return static_cast<WindowId>(reinterpret_cast<uintptr_t>(found));
}

void Win32Platform::announceInstanceWindow(WindowId mainWindow) {
    if (!instanceMutex_) return;
    SetPropW(reinterpret_cast<HWND>(static_cast<uintptr_t>(mainWindow)), kMainWindowProperty, reinterpret_cast<HANDLE>(1));
}

}  // namespace zv::win32
