// The list, the text field and the keys of a form's buttons on native windows.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "fixture.h"
#include "list_form.h"

namespace zv::win32::testing {
namespace {

using zv::testing::ListForm;

HWND childOf(HWND parent, const wchar_t* cls) { return FindWindowExW(parent, nullptr, cls, nullptr); }

std::wstring cell(HWND view, int row, int column) {
    wchar_t text[128] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 128;
    SendMessageW(view, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return text;
}

int selectedRow(HWND view) {
    return static_cast<int>(SendMessageW(view, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void selectAsTheUser(HWND view, int row) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(view, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
}

class ListTest : public Win32Test {
protected:
    // A key as the message loop receives it, with these modifiers held.
    void press(HWND target, UINT vk, bool ctrl, bool alt) {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        keys[VK_MENU] = 0;
        SetKeyboardState(keys);
        MSG msg{target, alt ? static_cast<UINT>(WM_SYSKEYDOWN) : static_cast<UINT>(WM_KEYDOWN), vk, alt ? (1 << 29) : 0, 0, {0, 0}};
        platform.handle(msg);
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
    }
};

TEST_F(ListTest, the_rows_and_the_selection_follow_the_model_and_the_users_choice_reaches_it) {
    ListForm form(app);
    app.create(form);
    HWND view = childOf(hwndOf(form), WC_LISTVIEWW);
    ASSERT_TRUE(view);
    ASSERT_EQ(SendMessageW(view, LVM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(cell(view, 0, 2), L"Calculadora");
    EXPECT_EQ(cell(view, 1, 2), L"Se\u00F1or");
    EXPECT_EQ(cell(view, 2, 1), L"500");
    EXPECT_EQ(selectedRow(view), -1);

    // The program's choice shows, and is not taken for the user's.
    form.Points.setSelected(2);
    EXPECT_EQ(selectedRow(view), 2);
    EXPECT_TRUE(form.selections.empty());

    // The user's choice reaches the model once, although the list lets the old row go first.
    selectAsTheUser(view, 0);
    pump(50);
    EXPECT_EQ(form.selections, (std::vector<int>{0}));
    EXPECT_EQ(form.Points.selected(), 0);

    // New rows keep the selected row number while it exists, and lose it when it does not.
    form.Points.setRows({{"1", "7", ""}, {"2", "8", ""}});
    EXPECT_EQ(SendMessageW(view, LVM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_EQ(selectedRow(view), 0);
    form.Points.setSelected(1);
    form.Points.setRows({{"1", "7", ""}});
    EXPECT_EQ(form.Points.selected(), -1);
    EXPECT_EQ(selectedRow(view), -1);
    pump(50);
    EXPECT_EQ(form.selections.size(), 1u);
}

TEST_F(ListTest, the_text_field_shows_the_program_text_and_hands_over_what_the_user_types) {
    ListForm form(app);
    app.create(form);
    HWND edit = childOf(hwndOf(form), L"EDIT");
    ASSERT_TRUE(edit);
    form.Name.setText("Se\xF1" "al");
    wchar_t shown[64] = {};
    GetWindowTextW(edit, shown, 64);
    EXPECT_STREQ(shown, L"Se\u00F1al");
    EXPECT_TRUE(form.typed.empty());
    // Typed: the field's own change, not the program's.
    SetWindowTextW(edit, L"ab\u00E7");
    pump(20);
    ASSERT_EQ(form.typed.size(), 1u);
    EXPECT_EQ(form.Name.text(), "ab\xE7");
}

TEST_F(ListTest, a_buttons_access_key_and_shortcut_click_it_whichever_control_has_the_keyboard) {
    ListForm form(app);
    app.create(form);
    HWND edit = childOf(hwndOf(form), L"EDIT");
    HWND view = childOf(hwndOf(form), WC_LISTVIEWW);
    press(edit, 'Z', true, false);
    EXPECT_EQ(form.undos, 1);
    press(edit, 'B', false, true);
    EXPECT_EQ(form.deletes, 1);
    press(view, 'D', false, true);
    EXPECT_EQ(form.undos, 2);
    // Without Alt, a letter is the control's; a hidden or disabled button's keys click nothing.
    press(view, 'B', false, false);
    press(view, 'O', false, true);
    form.Delete.setEnabled(false);
    press(view, 'B', false, true);
    EXPECT_EQ(form.deletes, 1);
    EXPECT_EQ(form.hiddenClicks, 0);
    // The form's own keys reach it once.
    press(view, VK_ESCAPE, false, false);
    EXPECT_EQ(std::count(form.ownKeys.begin(), form.ownKeys.end(), VK_ESCAPE), 1);
}

}  // namespace
}  // namespace zv::win32::testing
