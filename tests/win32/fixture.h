#pragma once
// A Win32 platform and an application for tests that build real native windows.

#include <gtest/gtest.h>

#include <algorithm>

#include "backends/win32/win32_platform.h"
#include "widgets/application.h"

namespace zv::win32::testing {

class Win32Test : public ::testing::Test {
protected:
    void SetUp() override {
        // Wine without a display has no desktop: nothing to test against.
        HWND probe = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        if (!probe) GTEST_SKIP() << "no desktop to create windows on";
        DestroyWindow(probe);
    }

    HWND hwndOf(const Form& form) const { return reinterpret_cast<HWND>(form.windowId()); }

    // Pumps messages for a while, as the program's waits do.
    void pump(unsigned ms) {
        const DWORD start = GetTickCount();
        do {
            platform.processMessages(app);
            Sleep(1);
        } while (GetTickCount() - start < ms);
    }

    Win32Platform platform{GetModuleHandleW(nullptr)};
    Application app{platform};
};

// A borderless form cut to four bars, as the tracking frame is.
class Frame : public Form {
public:
    explicit Frame(Application& app) : Form(app, "Frame") {
        border = BorderStyle::None;
        takesFocus = false;
        designClientWidth = designClientHeight = 137;
        for (Shape* s : {&Left, &Right, &Top, &Bottom}) s->setBounds({0, 0, 8, 8});
    }
    Shape Left{this, "Left", Shape::Align::Left};
    Shape Right{this, "Right", Shape::Align::Right};
    Shape Top{this, "Top", Shape::Align::Top};
    Shape Bottom{this, "Bottom", Shape::Align::Bottom};
};

}  // namespace zv::win32::testing
