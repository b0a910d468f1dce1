// The native menu bar of a form: hidden entries, states, captions and shortcuts.
#include "backends/win32/menus.h"

#include "fixture.h"

namespace zv::win32::testing {
namespace {

class MenuForm : public Form {
public:
    explicit MenuForm(Application& app) : Form(app, "MenuForm") {
        setBounds({0, 0, 300, 200});
        Nuevo.onClick = [this] { ++nuevoClicks; };
        Grabar.shortcut = "Ctrl+B";
        Grabar.onClick = [this] { ++grabarClicks; };
        Parar.setVisible(false);
        Guardar.setEnabled(false);
    }
    MenuItem Archivo{this, "Archivo", "&Archivo"};
    MenuItem Nuevo{this, "Nuevo", "&Nuevo", &Archivo};
    MenuItem Guardar{this, "Guardar", "&Guardar...", &Archivo};
    MenuItem N1{this, "N1", "-", &Archivo};
    MenuItem Grabar{this, "Grabar", "Gra&bar", &Archivo};
    MenuItem Parar{this, "Parar", "Pa&rar", &Archivo};
    MenuItem Salir{this, "Salir", "&Salir", &Archivo};
    MenuItem Opciones{this, "Opciones", "&Opciones"};
    MenuItem Beep{this, "Beep", "Beep", &Opciones};
    int nuevoClicks = 0, grabarClicks = 0;
};

std::vector<std::wstring> entries(HMENU menu) {
    std::vector<std::wstring> out;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING | MIIM_FTYPE;
        info.dwTypeData = text;
        info.cch = 127;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        out.push_back((info.fType & MFT_SEPARATOR) ? L"-" : text);
    }
    return out;
}

UINT stateOf(HMENU menu, int position) { return GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION); }

TEST(Shortcut, reads_modifiers_and_keys) {
    EXPECT_EQ(parseShortcut("Ctrl+B"), (Shortcut{'B', true, false, false}));
    EXPECT_EQ(parseShortcut("ctrl+shift+f5"), (Shortcut{VK_F5, true, true, false}));
    EXPECT_EQ(parseShortcut("Alt+Del"), (Shortcut{VK_DELETE, false, false, true}));
    EXPECT_EQ(parseShortcut("Ctrl+9"), (Shortcut{'9', true, false, false}));
    EXPECT_FALSE(parseShortcut(""));
    EXPECT_EQ(parseShortcut("Ctrl++"), (Shortcut{VK_ADD, true, false, false}));
    EXPECT_FALSE(parseShortcut("Ctrl+"));
    EXPECT_FALSE(parseShortcut("Ctrl+B+C"));
    EXPECT_FALSE(parseShortcut("Hyper+B"));
    EXPECT_FALSE(parseShortcut("Ctrl+F99"));
}

using MenuBarTest = Win32Test;

TEST_F(MenuBarTest, hidden_entry_is_left_out_and_returns_to_its_place) {
    MenuForm form(app);
    app.create(form);
    HMENU bar = GetMenu(hwndOf(form));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(entries(bar), (std::vector<std::wstring>{L"&Archivo", L"&Opciones"}));
    HMENU archivo = GetSubMenu(bar, 0);
    EXPECT_EQ(entries(archivo), (std::vector<std::wstring>{L"&Nuevo", L"&Guardar...", L"-", L"Gra&bar\tCtrl+B", L"&Salir"}));

    form.Parar.setVisible(true);
    EXPECT_EQ(entries(archivo), (std::vector<std::wstring>{L"&Nuevo", L"&Guardar...", L"-", L"Gra&bar\tCtrl+B", L"Pa&rar", L"&Salir"}));
    form.Nuevo.setVisible(false);
    form.Parar.setVisible(false);
    EXPECT_EQ(entries(archivo), (std::vector<std::wstring>{L"&Guardar...", L"-", L"Gra&bar\tCtrl+B", L"&Salir"}));
    form.Nuevo.setVisible(true);
    EXPECT_EQ(entries(archivo), (std::vector<std::wstring>{L"&Nuevo", L"&Guardar...", L"-", L"Gra&bar\tCtrl+B", L"&Salir"}));

    // A whole menu of the bar too.
    form.Archivo.setVisible(false);
    EXPECT_EQ(entries(bar), (std::vector<std::wstring>{L"&Opciones"}));
    form.Archivo.setVisible(true);
    EXPECT_EQ(entries(bar), (std::vector<std::wstring>{L"&Archivo", L"&Opciones"}));
    EXPECT_EQ(GetSubMenu(bar, 0), archivo);
}

TEST_F(MenuBarTest, states_and_captions_follow_the_model) {
    MenuForm form(app);
    app.create(form);
    HMENU archivo = GetSubMenu(GetMenu(hwndOf(form)), 0);
    HMENU opciones = GetSubMenu(GetMenu(hwndOf(form)), 1);
    EXPECT_TRUE(stateOf(archivo, 1) & MF_GRAYED);
    form.Guardar.setEnabled(true);
    EXPECT_FALSE(stateOf(archivo, 1) & MF_GRAYED);
    EXPECT_FALSE(stateOf(opciones, 0) & MF_CHECKED);
    form.Beep.setChecked(true);
    EXPECT_TRUE(stateOf(opciones, 0) & MF_CHECKED);
    // An entry changed while hidden comes back as it is now.
    form.Parar.setCaption("&Stop");
    form.Parar.setEnabled(false);
    form.Parar.setVisible(true);
    EXPECT_EQ(entries(archivo)[4], L"&Stop");
    EXPECT_TRUE(stateOf(archivo, 4) & MF_GRAYED);
    // Captions are code page 1252: "Pa&rar grabación".
    form.Parar.setCaption("Pa&rar grabaci\xF3n");
    EXPECT_EQ(entries(archivo)[4], L"Pa&rar grabaci\u00F3n");
}

TEST_F(MenuBarTest, menu_command_runs_the_entry_through_the_model) {
    MenuForm form(app);
    app.create(form);
    HMENU archivo = GetSubMenu(GetMenu(hwndOf(form)), 0);
    const UINT id = GetMenuItemID(archivo, 0);
    SendMessageW(hwndOf(form), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    EXPECT_EQ(form.nuevoClicks, 1);
}

TEST_F(MenuBarTest, shortcut_acts_only_while_its_entry_is_present_and_enabled) {
    MenuForm form(app);
    app.create(form);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    MSG press{hwndOf(form), WM_KEYDOWN, 'B', 0, 0, {0, 0}};

    platform.handle(press);
    EXPECT_EQ(form.grabarClicks, 1);
    form.Grabar.setEnabled(false);
    platform.handle(press);
    form.Grabar.setEnabled(true);
    form.Grabar.setVisible(false);
    platform.handle(press);
    form.Grabar.setVisible(true);
    form.Archivo.setEnabled(false);
    platform.handle(press);
    EXPECT_EQ(form.grabarClicks, 1);
    form.Archivo.setEnabled(true);
    // Without Ctrl, B is just B.
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    platform.handle(press);
    EXPECT_EQ(form.grabarClicks, 1);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    platform.handle(press);
    EXPECT_EQ(form.grabarClicks, 2);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
}

}  // namespace
}  // namespace zv::win32::testing
