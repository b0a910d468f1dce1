// The common dialogs and the message boxes.
#include <windows.h>
#include <commdlg.h>

#include "backends/win32/wide.h"
#include "backends/win32/win32_platform.h"

namespace zv::win32 {
namespace {

// The filter list of the common dialogs: description and pattern, each ended by a NUL,
// the list ended by one more.
std::wstring filterList(const FileDialogSpec& spec) {
    std::wstring list;
    for (const auto& [description, pattern] : spec.filters) {
        list += widen(description);
        list += L'\0';
        list += widen(pattern);
        list += L'\0';
    }
    list += L'\0';
    return list;
}

std::optional<std::string> fileDialog(HWND owner, const FileDialogSpec& spec, bool save) {
    std::wstring filters = filterList(spec);
    std::wstring title = widen(spec.title);
    std::wstring extension = widen(spec.defaultExtension);
    std::wstring file(MAX_PATH * 4, L'\0');
    std::wstring proposed = fromUtf8(spec.fileName);
    proposed.resize(std::min(proposed.size(), file.size() - 1));
    file.replace(0, proposed.size(), proposed);

    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = spec.filters.empty() ? nullptr : filters.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    // Without OFN_NOCHANGEDIR, as the program expects: the dialog may change the current
    // directory, and window matching makes the start-up folder current again itself.
    ofn.Flags = OFN_EXPLORER | OFN_ENABLESIZING;
    if (spec.mustExist) ofn.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
    if (spec.hideReadOnly) ofn.Flags |= OFN_HIDEREADONLY;
    if (spec.askOverwrite) ofn.Flags |= OFN_OVERWRITEPROMPT;
    if (spec.noReadOnlyResult) ofn.Flags |= OFN_NOREADONLYRETURN;

    const BOOL chosen = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!chosen) return std::nullopt;
    return toUtf8(std::wstring(file.c_str()));
}

}  // namespace

std::optional<std::string> Win32Platform::openFileDialog(const FileDialogSpec& spec) { return fileDialog(dialogOwner(), spec, false); }

std::optional<std::string> Win32Platform::saveFileDialog(const FileDialogSpec& spec) { return fileDialog(dialogOwner(), spec, true); }

std::optional<uint32_t> Win32Platform::colorDialog(uint32_t initial) {
    static COLORREF custom[16] = {RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255),
                                  RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255), RGB(255, 255, 255)};
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = dialogOwner();
    cc.rgbResult = initial;
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT;
    if (!ChooseColorW(&cc)) return std::nullopt;
    return static_cast<uint32_t>(cc.rgbResult);
}

void Win32Platform::messageBox(const std::string& text, const std::string& title) {
    MessageBoxW(dialogOwner(), widen(text).c_str(), widen(title).c_str(), MB_OK | MB_ICONINFORMATION);
}

bool Win32Platform::questionBox(const std::string& text, const std::string& title) {
    return MessageBoxW(dialogOwner(), widen(text).c_str(), widen(title).c_str(),
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON1) == IDYES;
}

void Win32Platform::errorReport(const std::string& text) {
    MessageBoxW(dialogOwner(), widen(text).c_str(), L"Zentavoro", MB_OK | MB_ICONERROR);
}

}  // namespace zv::win32
