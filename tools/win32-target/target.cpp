// zentavoro-target.exe TITLE LOGFILE [LEFT TOP WIDTH HEIGHT [buttons | grid | capture |
//                                                         BUTTONLEFT BUTTONTOP BUTTONWIDTH BUTTONHEIGHT]]
//
// A plain window with the given title that writes every button press and release and every
// key it receives to LOGFILE, one line each, flushed at once so that a test reading the file
// meanwhile sees it:
//   <tick> READY <left> <top> <width> <height>      the window is up (outer rectangle)
//   <tick> LDOWN|LUP|RDOWN|RUP|MDOWN|MUP <x> <y>   screen coordinates of the event
//   <tick> KEYDOWN|KEYREPEAT|KEYUP <vk>
//   <tick> ACTIVATE 1|0                            it became / stopped being the active window
//   <tick> BUTTON <name> <x> <y>                   one of its push buttons was clicked; the
//                                                  pointer's screen position
// <tick> is GetTickCount in milliseconds. With "buttons" the window holds three push buttons
// laid out as applications lay theirs out, each 100 x 40 and kept at its distance from
// the nearer edges of the client area when the window is resized: "Uno" 20 from the left
// and the top edge, "Dos" 20 from the right and the top edge, "Tres" 20 from the left and
// the bottom edge. With four numbers instead it holds one push button, "OK", at that place
// of the client area. With "grid" it is a calculator's keypad: nine push buttons 7 8 9 /
// 4 5 6 / 1 2 3 that share the client area in three rows and columns (10 px from its edges,
// 6 px apart) and stretch with it, their digits in a large font that keeps its size. With
// "capture" it holds the mouse capture, as a program does during a drag, and takes it
// back whenever it loses it:
//   <tick> CAPTURE 1                               it holds the capture

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

namespace {

FILE* g_log = nullptr;

struct Button {
    const wchar_t* name;
    bool fromRight, fromBottom;
    HWND window = nullptr;
};
Button g_buttons[] = {{L"Uno", false, false}, {L"Dos", true, false}, {L"Tres", false, true}};
constexpr int kButtonW = 100, kButtonH = 40, kMargin = 20;

const wchar_t* const kKeys[9] = {L"7", L"8", L"9", L"4", L"5", L"6", L"1", L"2", L"3"};
HWND g_keys[9] = {};
constexpr int kGridMargin = 10, kGridGap = 6, kFirstKey = 11;
bool g_capture = false;

void layOutGrid(int width, int height) {
    const int cellW = (width - 2 * kGridMargin + kGridGap) / 3, cellH = (height - 2 * kGridMargin + kGridGap) / 3;
    for (int i = 0; i < 9; ++i)
        if (g_keys[i])
            MoveWindow(g_keys[i], kGridMargin + (i % 3) * cellW, kGridMargin + (i / 3) * cellH, cellW - kGridGap,
                       cellH - kGridGap, TRUE);
}

void layOut(int width, int height) {
    for (const Button& b : g_buttons) {
        if (!b.window) continue;
        MoveWindow(b.window, b.fromRight ? width - kMargin - kButtonW : kMargin,
                   b.fromBottom ? height - kMargin - kButtonH : kMargin, kButtonW, kButtonH, TRUE);
    }
}

void logLine(const char* event, const std::string& rest) {
    if (!g_log) return;
    std::fprintf(g_log, "%lu %s %s\n", static_cast<unsigned long>(GetTickCount()), event, rest.c_str());
    std::fflush(g_log);
}

void logMouse(HWND hwnd, const char* event, LPARAM lParam) {
    POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ClientToScreen(hwnd, &p);
    logLine(event, std::to_string(p.x) + " " + std::to_string(p.y));
}

LRESULT CALLBACK targetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN: logMouse(hwnd, "LDOWN", lParam); return 0;
    case WM_LBUTTONUP: logMouse(hwnd, "LUP", lParam); return 0;
    case WM_RBUTTONDOWN: logMouse(hwnd, "RDOWN", lParam); return 0;
    case WM_RBUTTONUP: logMouse(hwnd, "RUP", lParam); return 0;
    case WM_MBUTTONDOWN: logMouse(hwnd, "MDOWN", lParam); return 0;
    case WM_MBUTTONUP: logMouse(hwnd, "MUP", lParam); return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        logLine((lParam & (1 << 30)) ? "KEYREPEAT" : "KEYDOWN", std::to_string(wParam));
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        logLine("KEYUP", std::to_string(wParam));
        break;
    case WM_SIZE:
        layOut(LOWORD(lParam), HIWORD(lParam));
        layOutGrid(LOWORD(lParam), HIWORD(lParam));
        break;
    case WM_CAPTURECHANGED:
        if (g_capture && reinterpret_cast<HWND>(lParam) != hwnd) PostMessageW(hwnd, WM_APP, 0, 0);
        break;
    case WM_APP:
        SetCapture(hwnd);
        logLine("CAPTURE", GetCapture() == hwnd ? "1" : "0");
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) >= 1 && LOWORD(wParam) <= 4) {
            const wchar_t* name = LOWORD(wParam) == 4 ? L"OK" : g_buttons[LOWORD(wParam) - 1].name;
            POINT p;
            GetCursorPos(&p);
            logLine("BUTTON", std::string(name, name + wcslen(name)) + " " + std::to_string(p.x) + " " + std::to_string(p.y));
            return 0;
        }
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) >= kFirstKey && LOWORD(wParam) < kFirstKey + 9) {
            const wchar_t* name = kKeys[LOWORD(wParam) - kFirstKey];
            POINT p;
            GetCursorPos(&p);
            logLine("BUTTON", std::string(name, name + wcslen(name)) + " " + std::to_string(p.x) + " " + std::to_string(p.y));
            return 0;
        }
        break;
    case WM_ACTIVATE:
        logLine("ACTIVATE", LOWORD(wParam) == WA_INACTIVE ? "0" : "1");
        break;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (!argv || argc < 3) {
        MessageBoxW(nullptr, L"zentavoro-target.exe TITLE LOGFILE [LEFT TOP WIDTH HEIGHT]", L"zentavoro-target", MB_OK);
        return 2;
    }
    g_log = _wfopen(argv[2], L"ab");
    // The log is in the screen's own pixels at any scale, as the tests see the screen.
    using SetAwarenessFn = BOOL(WINAPI*)(HANDLE);
    if (auto setAwareness = reinterpret_cast<SetAwarenessFn>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetProcessDpiAwarenessContext"))))
        setAwareness(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4)));  // per monitor, version 2
    int left = 100, top = 100, width = 600, height = 400;
    if (argc >= 7) {
        left = _wtoi(argv[3]);
        top = _wtoi(argv[4]);
        width = _wtoi(argv[5]);
        height = _wtoi(argv[6]);
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = targetProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"ZentavoroTarget";
    RegisterClassExW(&wc);
    HWND hwnd = CreateWindowExW(0, wc.lpszClassName, argv[1], WS_OVERLAPPEDWINDOW, left, top, width, height, nullptr, nullptr,
                                instance, nullptr);
    if (argc >= 8 && std::wstring(argv[7]) == L"buttons") {
        for (int i = 0; i < 3; ++i)
            g_buttons[i].window = CreateWindowExW(0, L"BUTTON", g_buttons[i].name, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0,
                                                  0, kButtonW, kButtonH, hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)),
                                                  instance, nullptr);
        RECT client;
        GetClientRect(hwnd, &client);
        layOut(client.right, client.bottom);
    }
    else if (argc >= 8 && std::wstring(argv[7]) == L"grid") {
        const HFONT big = CreateFontW(-26, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma");
        for (int i = 0; i < 9; ++i) {
            g_keys[i] = CreateWindowExW(0, L"BUTTON", kKeys[i], WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 10, 10, hwnd,
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstKey + i)), instance, nullptr);
            SendMessageW(g_keys[i], WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
        }
        RECT client;
        GetClientRect(hwnd, &client);
        layOutGrid(client.right, client.bottom);
    } else if (argc >= 8 && std::wstring(argv[7]) == L"capture") {
        g_capture = true;
    }
    else if (argc >= 11)
        CreateWindowExW(0, L"BUTTON", L"OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, _wtoi(argv[7]), _wtoi(argv[8]),
                        _wtoi(argv[9]), _wtoi(argv[10]), hwnd, reinterpret_cast<HMENU>(4), instance, nullptr);
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
    SetForegroundWindow(hwnd);
    RECT r;
    GetWindowRect(hwnd, &r);
    logLine("READY", std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + " " +
                         std::to_string(r.bottom - r.top));
    if (g_capture) PostMessageW(hwnd, WM_APP, 0, 0);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    if (g_log) std::fclose(g_log);
    LocalFree(argv);
    return 0;
}
