// The X11 backend below the program: its translations, and the Qt binding of the widget
// model on a real X server (run under Xvfb without a window manager, so that the paths
// for a bare server are the ones taken; the end-to-end tests cover openbox).

#include <X11/keysym.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <thread>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include "backends/x11/binding.h"
#include "backends/x11/conversions.h"
#include "backends/x11/key_events.h"
#include "backends/x11/pictures.h"
#include "backends/x11/qt_widgets.h"
#include "backends/x11/x11_platform.h"
#include "list_form.h"
#include "widgets/application.h"

using namespace zv;
using namespace zv::x11;

// Xlib's Display, opened in main() when there is a server to talk to.
extern "C" {
struct _XDisplay* XOpenDisplay(const char*);
}

namespace {

X11Platform* gPlatform = nullptr;

bool waitFor(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// --- Translations ---------------------------------------------------------------------

TEST(KeyTranslation, a_released_key_is_named_as_windows_names_it) {
    // The key of "1" and "!" is "1" whatever the shift state.
    EXPECT_EQ(vkForKeyEvent(XK_1, XK_exclam, Qt::Key_Exclam, false), '1');
    EXPECT_EQ(vkForKeyEvent(XK_a, XK_A, Qt::Key_A, false), 'A');
    // The keypad's digits follow Num Lock: with it the digit, without it the movement key.
    EXPECT_EQ(vkForKeyEvent(XK_KP_End, XK_KP_1, Qt::Key_1, true), 0x61);
    EXPECT_EQ(vkForKeyEvent(XK_KP_End, XK_KP_End, Qt::Key_End, true), 0x23);
    EXPECT_EQ(vkForKeyEvent(XK_KP_Add, XK_KP_Add, Qt::Key_Plus, true), 0x6B);
    // Either Alt is Alt; Shift+Tab is Tab.
    EXPECT_EQ(vkForKeyEvent(XK_Alt_R, XK_Alt_R, Qt::Key_Alt, false), 0x12);
    EXPECT_EQ(vkForKeyEvent(XK_Tab, XK_ISO_Left_Tab, Qt::Key_Backtab, false), 0x09);
    EXPECT_EQ(vkForKeyEvent(XK_Return, XK_Return, Qt::Key_Return, false), 0x0D);
    EXPECT_EQ(vkForKeyEvent(XK_KP_Enter, XK_KP_Enter, Qt::Key_Enter, true), 0x0D);
    // Without X's names, Qt's key.
    EXPECT_EQ(vkForKeyEvent(0, 0, Qt::Key_Right, false), 0x27);
    EXPECT_EQ(vkForKeyEvent(0, 0, Qt::Key_7, true), 0x67);
    EXPECT_EQ(vkForKeyEvent(0, 0, Qt::Key_F35, false), 0);
}

TEST(Conversions, absolute_coordinates_land_on_the_pixel_the_program_converted) {
    // The program's own conversion: 65535.0 / extent * pixel, rounded half to even.
    for (int extent : {640, 768, 800, 1024, 1080, 1366, 1920, 2560}) {
        for (int p = 0; p < extent; ++p) {
            const long double a = 65535.0L / extent * p;
            const int absolute = static_cast<int>(std::nearbyint(a));
            ASSERT_EQ(absoluteToPixel(absolute, extent), p) << extent << " " << p;
        }
    }
    EXPECT_EQ(absoluteToPixel(32768, 1024), 512);
    EXPECT_EQ(absoluteToPixel(65535, 1024), 1023);
    EXPECT_EQ(absoluteToPixel(-5, 1024), 0);
    EXPECT_EQ(absoluteToPixel(70000, 1024), 1023);
}

TEST(Conversions, the_kernel_release_gives_the_version_parts) {
    VersionInfo v = versionFromKernel("Linux", "6.1.0-13-amd64");
    EXPECT_EQ(v.major, 6u);
    EXPECT_EQ(v.minor, 1u);
    EXPECT_EQ(v.build, 0u);
    EXPECT_EQ(v.platformId, 2u);
    EXPECT_EQ(v.servicePack, "Linux 6.1.0-13-amd64");
    v = versionFromKernel("Linux", "5.15.133.1-microsoft-standard-WSL2");
    EXPECT_EQ(v.major, 5u);
    EXPECT_EQ(v.minor, 15u);
    EXPECT_EQ(v.build, 133u);
    v = versionFromKernel("Linux", "4.19");
    EXPECT_EQ(v.minor, 19u);
    EXPECT_EQ(v.build, 0u);
    v = versionFromKernel("", "");
    EXPECT_EQ(v.major, 0u);
    EXPECT_EQ(v.servicePack, "");
}

TEST(Conversions, file_dialog_filters_become_qt_name_filters) {
    const QStringList f = qtNameFilters({{"Archivos zentavoro (*.zvo)", "*.zvo"},
                                         {"Todo tipo de archivos (*.*)", "*.*"},
                                         {"Im\xE1genes", "*.bmp;*.png"}});
    ASSERT_EQ(f.size(), 3);
    EXPECT_EQ(f[0], "Archivos zentavoro (*.zvo)");
    EXPECT_EQ(f[1], "Todo tipo de archivos (*.*)");
    EXPECT_EQ(f[2], QString::fromUtf8("Imágenes (*.bmp *.png)"));
}

TEST(Pointer, a_far_position_stays_on_the_screen_instead_of_wrapping_round) {
    if (!gPlatform) GTEST_SKIP() << "no X server";
    const ScreenSize s = gPlatform->primaryScreenSize();
    ASSERT_GT(s.width, 100);
    // 65636 is 100 in the protocol's 16 bits.
    gPlatform->setCursorPos(65636, 300);
    EXPECT_EQ(gPlatform->cursorPos(), (ScreenPoint{s.width - 1, 300}));
    gPlatform->setCursorPos(2147483647, 1);
    EXPECT_EQ(gPlatform->cursorPos(), (ScreenPoint{s.width - 1, 1}));
    gPlatform->setCursorPos(-65436, 70000);
    EXPECT_EQ(gPlatform->cursorPos(), (ScreenPoint{0, s.height - 1}));
    gPlatform->setCursorPos(40, 50);
    EXPECT_EQ(gPlatform->cursorPos(), (ScreenPoint{40, 50}));
}

TEST(Pictures, names_are_found_by_their_base_name_and_snapshots_are_held_until_released) {
    EXPECT_EQ(pictureKey("assets/pictures/Ejecutar.BMP"), "ejecutar");
    EXPECT_EQ(pictureKey("grabar"), "grabar");
    Pictures p;
    EXPECT_EQ(p.find("ejecutar").size(), QSize(22, 22));
    EXPECT_EQ(p.find("pictures/ejecutar.bmp").size(), QSize(22, 22));
    EXPECT_TRUE(p.find("no-such-picture").isNull());
    QPixmap shot(4, 3);
    shot.fill(Qt::blue);
    const std::string name = p.add(shot);
    EXPECT_EQ(p.find(name).size(), QSize(4, 3));
    p.remove(name);
    EXPECT_TRUE(p.find(name).isNull());
}

// --- The binding on a real server -------------------------------------------------------

class TestForm : public Form {
public:
    explicit TestForm(Application& app)
        : Form(app, "TestForm"),
          MenuFile(this, "MenuFile", "&File"),
          MenuShown(this, "MenuShown", "&Shown", &MenuFile),
          MenuHidden(this, "MenuHidden", "&Hidden", &MenuFile),
          Spin(this, "Spin", 0, 5, 3),
          Tick(this, "Tick", 20),
          Picture(this, "Picture"),
          Top(this, "Top", Shape::Align::Top),
          Right(this, "Right", Shape::Align::Right) {
        border = BorderStyle::None;
        setBounds({100, 120, 300, 200});
        color = 0x0000FF;  // red, as 0x00BBGGRR
        MenuShown.shortcut = "Ctrl+E";
        MenuHidden.shortcut = "Ctrl+R";
        MenuHidden.setVisible(false);
        MenuShown.onClick = [this] { ++shownClicks; };
        MenuHidden.onClick = [this] { ++hiddenClicks; };
        Spin.setBounds({200, 40, 50, 26});
        Spin.onChange = [this] { ++spinChanges; };
        Picture.setBounds({10, 40, 30, 30});
        Picture.setPicture("ejecutar");
        Top.setBounds({0, 0, 10, 6});
        Right.setBounds({0, 0, 4, 10});
        onKeyUp = [this](int vk) { keys.push_back(vk); };
        onMouseDown = [this](MouseButton b, int x, int y) { presses.push_back({b, x, y}); };
        onClick = [this] { ++clicks; };
    }
    MenuItem MenuFile, MenuShown, MenuHidden;
    SpinEdit Spin;
    Timer Tick;
    Image Picture;
    Shape Top, Right;

    int shownClicks = 0, hiddenClicks = 0, spinChanges = 0, clicks = 0;
    std::vector<int> keys;
    struct Press {
        MouseButton button;
        int x, y;
    };
    std::vector<Press> presses;

    QtBinding& qt() { return *static_cast<QtBinding*>(binding()); }
    template <class T>
    T* native(const Widget& w) {
        return dynamic_cast<T*>(qt().native(w));
    }
    int menuBarHeight() { return qt().window()->height() - clientHeight(); }
};

class Binding : public ::testing::Test {
protected:
    void SetUp() override {
        if (!gPlatform) GTEST_SKIP() << "no X display";
        app = std::make_unique<Application>(*gPlatform);
        form = std::make_unique<TestForm>(*app);
        app->create(*form);
    }
    void TearDown() override {
        form.reset();
        app.reset();
    }
    void showInFront() {
        form->show();
        ASSERT_TRUE(waitFor([&] { return form->qt().window()->isVisible() && form->qt().window()->windowHandle()->isExposed(); }));
        form->bringToFront();
        ASSERT_TRUE(waitFor([&] { return gPlatform->foregroundWindow() == form->windowId() && form->qt().window()->isActiveWindow(); }));
    }
    void key(uint8_t vk) {
        gPlatform->keyEvent(vk, false);
        gPlatform->keyEvent(vk, true);
    }
    std::unique_ptr<Application> app;
    std::unique_ptr<TestForm> form;
};

TEST_F(Binding, menu_entries_mirror_the_model_and_a_hidden_entry_cannot_be_chosen) {
    auto* shown = form->native<QAction>(form->MenuShown);
    auto* hidden = form->native<QAction>(form->MenuHidden);
    ASSERT_TRUE(shown && hidden);
    EXPECT_EQ(shown->text(), "&Shown");
    EXPECT_EQ(shown->shortcut(), QKeySequence("Ctrl+E"));
    EXPECT_FALSE(hidden->isVisible());
    EXPECT_TRUE(hidden->shortcut().isEmpty());

    // Only a ticked entry is checkable; Qt's own toggling on a click is undone by the model.
    form->MenuShown.setChecked(true);
    EXPECT_TRUE(shown->isCheckable() && shown->isChecked());
    shown->trigger();
    EXPECT_EQ(form->shownClicks, 1);
    EXPECT_TRUE(shown->isChecked());
    form->MenuShown.setChecked(false);
    EXPECT_FALSE(shown->isCheckable() || shown->isChecked());

    // The shortcuts, typed for real, while the spin box has the focus: its text box would
    // take Ctrl+E for itself.
    showInFront();
    ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget() == form->native<QWidget>(form->Spin); }));
    auto ctrl = [&](uint8_t vk) {
        gPlatform->keyEvent(0x11, false);
        key(vk);
        gPlatform->keyEvent(0x11, true);
    };
    ctrl('E');
    EXPECT_TRUE(waitFor([&] { return form->shownClicks == 2; }));
    ctrl('R');
    waitFor([] { return false; }, 300);
    EXPECT_EQ(form->hiddenClicks, 0);  // hidden, though enabled

    form->MenuHidden.setVisible(true);
    EXPECT_EQ(hidden->shortcut(), QKeySequence("Ctrl+R"));
    ctrl('R');
    EXPECT_TRUE(waitFor([&] { return form->hiddenClicks == 1; }));

    form->MenuShown.setEnabled(false);
    EXPECT_FALSE(shown->isEnabled());
    ctrl('E');
    waitFor([] { return false; }, 300);
    EXPECT_EQ(form->shownClicks, 2);

    form->MenuShown.setCaption("-");
    EXPECT_TRUE(shown->isSeparator());
}

TEST_F(Binding, the_spin_box_only_steps_and_shows_the_model_text_as_it_is) {
    auto* box = form->native<StepSpinBox>(form->Spin);
    ASSERT_TRUE(box);
    auto* edit = box->findChild<QLineEdit*>();
    ASSERT_TRUE(edit);
    EXPECT_TRUE(edit->isReadOnly());
    EXPECT_EQ(edit->text(), "3");
    box->stepBy(1);
    EXPECT_EQ(form->Spin.text(), "4");
    EXPECT_EQ(edit->text(), "4");
    EXPECT_EQ(form->spinChanges, 1);
    box->stepBy(3);  // the model keeps to its maximum of 5
    EXPECT_EQ(form->Spin.text(), "5");
    box->stepBy(-2);
    EXPECT_EQ(form->Spin.text(), "3");
    form->Spin.setText("12 abc");
    EXPECT_EQ(edit->text(), "12 abc");
}

TEST_F(Binding, a_timer_follows_the_model_and_is_not_run_again_while_its_handler_waits) {
    int runs = 0, depth = 0, deepest = 0;
    form->Tick.onTimer = [&] {
        ++runs;
        deepest = std::max(deepest, ++depth);
        if (runs == 1) {
            QElapsedTimer t;
            t.start();
            while (t.elapsed() < 150) gPlatform->processMessages(*app);
        }
        --depth;
    };
    auto* timer = form->native<QTimer>(form->Tick);
    ASSERT_TRUE(timer);
    EXPECT_FALSE(timer->isActive());
    form->Tick.setOn(true);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 20);
    EXPECT_TRUE(waitFor([&] { return runs >= 4; }));
    EXPECT_EQ(deepest, 1);
    form->Tick.setInterval(35);
    EXPECT_EQ(timer->interval(), 35);
    form->Tick.setOn(false);
    const int stopped = runs;
    waitFor([] { return false; }, 150);
    EXPECT_EQ(runs, stopped);
    form->Tick.setOn(true);
    form->Tick.setInterval(0);  // an interval of 0 stops it, as the system timer does
    EXPECT_FALSE(timer->isActive());
}

TEST_F(Binding, a_form_is_placed_shaped_and_named_as_the_model_says) {
    // Without a caption the window has no name at all (Qt would give it the program's).
    EXPECT_EQ(gPlatform->windowText(form->windowId(), 254), "");
    form->setCaption("Prova \x80 acci\xF3n");
    showInFront();
    const WindowId id = form->windowId();
    EXPECT_EQ(gPlatform->windowText(id, 254), "Prova \x80 acci\xF3n");
    EXPECT_EQ(gPlatform->windowText(id, 5), "Prova");
    EXPECT_FALSE(gPlatform->className(id, 254).empty());
    form->setCaption("");
    EXPECT_EQ(gPlatform->windowText(id, 254), "");
    form->setCaption("Prova \x80 acci\xF3n");
    const auto windows = gPlatform->topLevelWindows();
    EXPECT_NE(std::find(windows.begin(), windows.end(), id), windows.end());

    // Without a frame the outer bounds are the window itself, menu bar included.
    const int mb = form->menuBarHeight();
    EXPECT_GT(mb, 0);
    EXPECT_EQ(form->clientWidth(), 300);
    EXPECT_EQ(form->clientHeight(), 200 - mb);
    EXPECT_EQ(gPlatform->windowFromPoint(250, 250), id);
    EXPECT_NE(gPlatform->windowFromPoint(50, 50), id);

    // The shapes aligned to the edges keep to them.
    EXPECT_EQ(form->Top.bounds(), (Rect{0, 0, 300, 6}));
    EXPECT_EQ(form->Right.bounds(), (Rect{296, 6, 4, 200 - mb - 6}));
    form->setClientSize(200, 100);
    EXPECT_EQ(form->width(), 200);
    EXPECT_EQ(form->height(), 100 + mb);
    EXPECT_EQ(form->Top.bounds(), (Rect{0, 0, 200, 6}));
    EXPECT_EQ(form->Right.bounds(), (Rect{196, 6, 4, 94}));

    // A hollow shape: the hole lets the pointer through to what is underneath.
    form->setRegion({{0, 0, 200, 10}, {0, 90, 200, 10}});
    ASSERT_TRUE(waitFor([&] { return gPlatform->windowFromPoint(150, 120 + mb + 50) != id; }));
    EXPECT_EQ(gPlatform->windowFromPoint(150, 120 + mb + 5), id);
    EXPECT_EQ(gPlatform->windowFromPoint(150, 120 + mb + 95), id);
}

TEST_F(Binding, a_window_stands_where_it_is_shown_and_nowhere_while_hidden) {
    showInFront();
    const WindowId id = form->windowId();
    // No window manager here: the outer rectangle is the window itself.
    EXPECT_EQ(gPlatform->windowRect(id), (Rect{100, 120, 300, 200}));
    form->setBounds({40, 30, 250, 150});
    ASSERT_TRUE(waitFor([&] { return gPlatform->windowRect(id) == Rect{40, 30, 250, 150}; }));
    form->hide();
    ASSERT_TRUE(waitFor([&] { return !gPlatform->windowRect(id); }));
    EXPECT_FALSE(gPlatform->windowRect(0));
    EXPECT_FALSE(gPlatform->windowRect(0x7FFFFFF));  // no such window
}

TEST_F(Binding, synthesised_keys_and_clicks_reach_the_form_as_the_model_names_them) {
    // Keys go to the control that has the focus; without one, to the form.
    form->Spin.setVisible(false);
    showInFront();
    for (uint8_t vk : {uint8_t('A'), uint8_t('7'), uint8_t(0x09), uint8_t(0x0D), uint8_t(0x27), uint8_t(0x20)}) key(vk);
    ASSERT_TRUE(waitFor([&] { return form->keys.size() >= 6; }));
    EXPECT_EQ(form->keys, (std::vector<int>{'A', '7', 0x09, 0x0D, 0x27, 0x20}));

    // A click lands where the pointer is: without the move flag the coordinates do not
    // move it.
    const int mb = form->menuBarHeight();
    gPlatform->setCursorPos(100 + 120, 120 + mb + 150);
    EXPECT_EQ(gPlatform->cursorPos(), (ScreenPoint{220, 120 + mb + 150}));
    gPlatform->mouseEvent(mouseflags::Absolute | mouseflags::LeftDown, 0, 0);
    gPlatform->mouseEvent(mouseflags::Absolute | mouseflags::LeftUp, 0, 0);
    ASSERT_TRUE(waitFor([&] { return form->clicks == 1; }));
    ASSERT_EQ(form->presses.size(), 1u);
    EXPECT_EQ(form->presses[0].button, MouseButton::Left);
    EXPECT_EQ(form->presses[0].x, 120);
    EXPECT_EQ(form->presses[0].y, 150);
    EXPECT_EQ(gPlatform->cursorPos(), (ScreenPoint{220, 120 + mb + 150}));

    // With it, the pointer goes to the pixel the absolute coordinates name first.
    const ScreenSize s = gPlatform->primaryScreenSize();
    const int ax = static_cast<int>(std::nearbyint(65535.0L / s.width * 160));
    const int ay = static_cast<int>(std::nearbyint(65535.0L / s.height * (120 + mb + 100)));
    gPlatform->mouseEvent(mouseflags::Absolute | mouseflags::Move | mouseflags::RightDown, ax, ay);
    gPlatform->mouseEvent(mouseflags::Absolute | mouseflags::RightUp, ax, ay);
    ASSERT_TRUE(waitFor([&] { return form->presses.size() == 2; }));
    EXPECT_EQ(form->presses[1].button, MouseButton::Right);
    EXPECT_EQ(form->presses[1].x, 60);
    EXPECT_EQ(form->presses[1].y, 100);
    EXPECT_EQ(form->clicks, 1);  // a right press is no click
}

TEST_F(Binding, a_modal_form_returns_once_it_is_hidden) {
    int shows = 0;
    form->onShow = [&] { ++shows; };
    bool visibleInside = false;
    QTimer::singleShot(100, [&] {
        visibleInside = form->qt().window()->isVisible() && form->qt().window()->isModal();
        form->hide();
    });
    form->showModal();
    EXPECT_TRUE(visibleInside);
    EXPECT_EQ(shows, 1);
    EXPECT_FALSE(form->qt().window()->isVisible());
    EXPECT_FALSE(form->qt().window()->isModal());
}

TEST_F(Binding, the_close_box_runs_the_model_close) {
    int closes = 0;
    form->onClose = [&] { ++closes; };
    showInFront();
    form->qt().window()->close();  // what the window manager's close asks for
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(form->visible());
    EXPECT_FALSE(form->qt().window()->isVisible());
    EXPECT_TRUE(app->terminated());  // the first form is the main one
}

TEST_F(Binding, a_snapshot_holds_the_screen_pixels_and_images_show_pictures) {
    showInFront();
    auto* picture = form->native<QLabel>(form->Picture);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pixmap().size(), QSize(22, 22));
    waitFor([] { return false; }, 200);  // drawn
    const std::string name = gPlatform->captureScreen();
    const QImage shot = gPlatform->pictures().find(name).toImage();
    const ScreenSize s = gPlatform->primaryScreenSize();
    ASSERT_EQ(shot.size(), QSize(s.width, s.height));
    const int mb = form->menuBarHeight();
    // The client area's colour, where no widget covers it.
    EXPECT_EQ(shot.pixelColor(100 + 150, 120 + mb + 120), QColor(255, 0, 0));
    gPlatform->releaseCapture(name);
    EXPECT_FALSE(gPlatform->pictures().has(name));
}

class ToolbarForm : public Form {
public:
    explicit ToolbarForm(Application& app) : Form(app, "ToolbarForm"), Record(this, "Record") {
        border = BorderStyle::None;
        setBounds({400, 300, 100, 60});
        Record.setBounds({25, 2, 25, 25});
        Record.picture = "grabar";
    }
    ToolButton Record;
};

TEST(ToolButtonPicture, a_disabled_tool_button_shows_its_picture_greyed_not_a_blank_square) {
    if (!gPlatform) GTEST_SKIP() << "no X display";
    Application app(*gPlatform);
    ToolbarForm form(app);
    app.create(form);
    form.show();
    auto* button = dynamic_cast<QWidget*>(static_cast<QtBinding*>(form.binding())->native(form.Record));
    ASSERT_TRUE(button);
    auto centreAndCorner = [&] {
        const QImage drawn = button->grab().toImage();
        return std::make_pair(drawn.pixelColor(drawn.width() / 2, drawn.height() / 2), drawn.pixelColor(1, 1));
    };
    // The red disc of "Grabar" at the button's centre.
    EXPECT_EQ(centreAndCorner().first, QColor(255, 0, 0));
    form.Record.setEnabled(false);
    const auto [disc, ground] = centreAndCorner();
    EXPECT_LE(std::abs(disc.red() - disc.green()), 2) << disc.name().toStdString();
    EXPECT_LE(std::abs(disc.green() - disc.blue()), 2) << disc.name().toStdString();
    EXPECT_NE(disc, ground) << "the disabled picture is a blank square";
    form.Record.setEnabled(true);
    EXPECT_EQ(centreAndCorner().first, QColor(255, 0, 0));
}

// --- A list, a text field and the keys of a form's buttons -----------------------------

// The shared form, with its native widgets at hand.
class ListForm : public zv::testing::ListForm {
public:
    using zv::testing::ListForm::ListForm;
    QtBinding& qt() { return *static_cast<QtBinding*>(binding()); }
    template <class T>
    T* native(const Widget& w) {
        return dynamic_cast<T*>(qt().native(w));
    }
};

class ListBinding : public ::testing::Test {
protected:
    void SetUp() override {
        if (!gPlatform) GTEST_SKIP() << "no X display";
        app = std::make_unique<Application>(*gPlatform);
        form = std::make_unique<ListForm>(*app);
        app->create(*form);
        form->show();
        ASSERT_TRUE(waitFor([&] { return form->qt().window()->isVisible() && form->qt().window()->windowHandle()->isExposed(); }));
        form->bringToFront();
        ASSERT_TRUE(waitFor([&] { return form->qt().window()->isActiveWindow(); }));
    }
    void TearDown() override {
        form.reset();
        app.reset();
    }
    void key(uint8_t vk) {
        gPlatform->keyEvent(vk, false);
        gPlatform->keyEvent(vk, true);
    }
    void chord(uint8_t modifier, uint8_t vk) {
        gPlatform->keyEvent(modifier, false);
        key(vk);
        gPlatform->keyEvent(modifier, true);
    }
    void focus(const Widget& w) {
        auto* q = form->native<QWidget>(w);
        q->setFocus();
        ASSERT_TRUE(waitFor([&] { return QApplication::focusWidget() == q; }));
    }
    std::unique_ptr<Application> app;
    std::unique_ptr<ListForm> form;
};

TEST_F(ListBinding, the_rows_and_the_selection_follow_the_model_and_the_users_choice_reaches_it) {
    auto* tree = form->native<QTreeWidget>(form->Points);
    ASSERT_TRUE(tree);
    ASSERT_EQ(tree->topLevelItemCount(), 3);
    EXPECT_EQ(tree->headerItem()->text(2), "Ventana");
    EXPECT_EQ(tree->columnWidth(1), 50);
    EXPECT_EQ(tree->topLevelItem(1)->text(2), QString::fromUtf8("Se\u00f1or"));
    EXPECT_TRUE(tree->selectedItems().isEmpty());

    // The program's choice shows, and is not taken for the user's.
    form->Points.setSelected(2);
    ASSERT_EQ(tree->selectedItems().size(), 1);
    EXPECT_EQ(tree->indexOfTopLevelItem(tree->selectedItems().front()), 2);
    EXPECT_TRUE(form->selections.empty());

    // The user moves the selection with the arrow keys: each row reaches the model once.
    focus(form->Points);
    key(0x26);
    EXPECT_TRUE(waitFor([&] { return form->selections.size() == 1; }));
    key(0x26);
    EXPECT_TRUE(waitFor([&] { return form->selections.size() == 2; }));
    EXPECT_EQ(form->selections, (std::vector<int>{1, 0}));
    EXPECT_EQ(form->Points.selected(), 0);

    // New rows keep the selected row number while it exists, and lose it when it does not.
    form->Points.setRows({{"1", "7", ""}, {"2", "8", ""}});
    EXPECT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->indexOfTopLevelItem(tree->selectedItems().value(0)), 0);
    form->Points.setSelected(1);
    form->Points.setRows({{"1", "7", ""}});
    EXPECT_EQ(form->Points.selected(), -1);
    EXPECT_TRUE(tree->selectedItems().isEmpty());
    EXPECT_EQ(form->selections.size(), 2u);
}

TEST_F(ListBinding, the_text_field_shows_the_program_text_and_hands_over_what_the_user_types) {
    auto* line = form->native<QLineEdit>(form->Name);
    ASSERT_TRUE(line);
    form->Name.setText("Se\xF1" "al");
    EXPECT_EQ(line->text(), QString::fromUtf8("Se\u00f1al"));
    EXPECT_TRUE(form->typed.empty());
    focus(form->Name);
    line->selectAll();
    key('A');
    key('B');
    ASSERT_TRUE(waitFor([&] { return form->typed.size() == 2; }));
    EXPECT_EQ(form->Name.text(), "ab");
}

TEST_F(ListBinding, a_labels_access_key_is_underlined_and_its_other_text_shown_as_written) {
    auto* label = form->native<QLabel>(form->NameLabel);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->textFormat(), Qt::RichText);
    EXPECT_EQ(label->text(), QStringLiteral("<u>N</u>ombre:"));
    // Marks of markup are text, a doubled ampersand is one, and only the first single one
    // marks the key.
    form->NameLabel.setCaption("<b>&&</b> &Se\xF1" "al & m\xE1s");
    EXPECT_EQ(label->text(), QString::fromUtf8("&lt;b&gt;&amp;&lt;/b&gt; <u>S</u>e\u00f1al &amp; m\u00e1s"));
    form->NameLabel.setCaption("Tom && Jerry");
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), QStringLiteral("Tom & Jerry"));
}

TEST_F(ListBinding, a_buttons_access_key_and_shortcut_click_it_whichever_control_has_the_keyboard) {
    // In the text field, Ctrl+Z would be its own undo: the form's button takes it.
    focus(form->Name);
    chord(0x11, 'Z');
    ASSERT_TRUE(waitFor([&] { return form->undos == 1; }));
    chord(0x12, 'B');
    ASSERT_TRUE(waitFor([&] { return form->deletes == 1; }));
    focus(form->Points);
    chord(0x12, 'D');
    ASSERT_TRUE(waitFor([&] { return form->undos == 2; }));
    // A hidden or disabled button's keys click nothing.
    chord(0x12, 'O');
    form->Delete.setEnabled(false);
    chord(0x12, 'B');
    // The form's own keys reach it once, though the press goes on to the controls' parents.
    key(0x1B);
    ASSERT_TRUE(waitFor([&] { return !form->ownKeys.empty() && form->ownKeys.back() == 0x1B; }));
    waitFor([] { return false; }, 300);
    EXPECT_EQ(std::count(form->ownKeys.begin(), form->ownKeys.end(), 0x1B), 1);
    EXPECT_EQ(form->hiddenClicks, 0);
    EXPECT_EQ(form->deletes, 1);
    EXPECT_EQ(form->undos, 2);
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QApplication> qapp;
    std::unique_ptr<X11Platform> platform;
    if (std::getenv("DISPLAY")) {
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        qapp = std::make_unique<QApplication>(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
        if (auto* d = XOpenDisplay(nullptr)) {
            platform = std::make_unique<X11Platform>(d);
            gPlatform = platform.get();
        }
    } else {
        // No server: the translations are tested, the binding's tests are skipped.
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        qapp = std::make_unique<QApplication>(argc, argv);
    }
    const int rc = RUN_ALL_TESTS();
    gPlatform = nullptr;
    platform.reset();
    return rc;
}
