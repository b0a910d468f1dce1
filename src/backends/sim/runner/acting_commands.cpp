// The user acting on the world, and time passing with the message loop running.

#include "backends/sim/runner/runner.h"

namespace zv::sim {

namespace {

// Why a user could not click this widget; nothing when they could.
std::optional<std::string> notClickable(const Widget& w) {
    for (const Widget* x = &w; x; x = x->parent()) {
        const std::string whose = x == &w ? "" : " inside " + x->name();
        if (!x->visible()) return "hidden" + whose;
        if (!x->enabled()) return "disabled" + whose;
    }
    const Form* form = w.form();
    if (form && form != &w) {
        if (!form->visible()) return "its window " + form->name() + " is hidden";
        if (!form->enabled()) return "its window " + form->name() + " is disabled";
    }
    // A modal window disables every other window of its program.
    for (const Form* other : form->app().forms())
        if (other != form && other->modal() && other->visible())
            return "its window " + form->name() + " is disabled while " + other->name() + " is open";
    return std::nullopt;
}

MouseButton button(const std::string& word) {
    if (word == "left") return MouseButton::Left;
    if (word == "right") return MouseButton::Right;
    return MouseButton::Middle;
}

}  // namespace

bool Runner::actingCommand(const Command& c) {
    const std::string& name = c.name();
    if (name == "advance") {
        platform_.runFor(static_cast<uint32_t>(*number(c.at(1))));
    } else if (name == "click") {
        click(c.at(1));
    } else if (name == "invoke") {
        Program& p = runningProgram();
        Widget& w = widget(c.at(1));
        auto handler = w.onClick;
        if (handler) p.application().dispatch(handler);
    } else if (name == "spin") {
        spin(c);
    } else if (name == "press") {
        platform_.input().userPress(button(c.at(1)));
    } else if (name == "press-earlier") {
        platform_.simHooks().nextInputMadeEarlier(static_cast<uint32_t>(*number(c.at(2))));
        platform_.input().userPress(button(c.at(1)));
    } else if (name == "key") {
        platform_.input().userKey(static_cast<uint8_t>(*keyCode(c.at(1))));
    } else if (name == "chord") {
        platform_.input().userChord(*parseChord(c.at(1)));
    } else if (name == "select") {
        select(c);
    } else if (name == "type") {
        type(c);
    } else if (name == "foreground") {
        platform_.userFront(windowNamed(c.at(1)));
    } else if (name == "answer") {
        answer(c);
    } else if (name == "close") {
        Program& p = runningProgram();
        Form* main = p.application().mainForm();
        p.application().dispatch([main] { main->close(); });
    } else if (name == "kill") {
        // The process dies: none of its handlers runs again, closing ones included.
        if (depth_ > 0) fail("kill works outside the program's modal windows");
        runningProgram().application().terminate();
    } else if (name == "mark") {
        platform_.clearRecords();
    } else {
        return false;
    }
    return true;
}

void Runner::giveKeyboard(Widget& w) {
    if (SimWindow* window = platform_.desktop().find(w.form()->windowId())) window->keyboard = &w;
}

void Runner::click(const std::string& name) {
    Program& p = runningProgram();
    Widget& w = widget(name);
    if (auto why = notClickable(w)) fail(name + " is not clickable: " + *why);
    // A click brings its window to the front first, as a real one does.
    platform_.desktop().userActivate(w.form()->windowId());
    giveKeyboard(w);
    auto handler = w.onClick;
    if (handler) p.application().dispatch(handler);
}

void Runner::spin(const Command& c) {
    Program& p = runningProgram();
    Widget& w = widget(c.at(1));
    if (w.kind() != WidgetKind::SpinEdit) fail(c.at(1) + " is not a spin box");
    if (auto why = notClickable(w)) fail(c.at(1) + " is not clickable: " + *why);
    auto& spinEdit = static_cast<SpinEdit&>(w);
    const bool up = c.keyword(2, "up");
    const long long times = c.size() > 3 ? *number(c.at(3)) : 1;
    platform_.desktop().userActivate(w.form()->windowId());
    for (long long i = 0; i < times; ++i)
        p.application().dispatch([&spinEdit, up] { up ? spinEdit.stepUp() : spinEdit.stepDown(); });
}

void Runner::select(const Command& c) {
    Program& p = runningProgram();
    Widget& w = widget(c.at(1));
    if (w.kind() != WidgetKind::ListView) fail(c.at(1) + " is not a list");
    if (auto why = notClickable(w)) fail(c.at(1) + " is not clickable: " + *why);
    auto& list = static_cast<ListView&>(w);
    const int row = c.keyword(2, "none") ? -1 : static_cast<int>(*number(c.at(2)));
    if (row >= static_cast<int>(list.rows().size())) fail(c.at(1) + " has no row " + c.at(2));
    platform_.desktop().userActivate(w.form()->windowId());
    giveKeyboard(w);
    p.application().dispatch([&list, row] { list.userSelected(row); });
}

void Runner::type(const Command& c) {
    Program& p = runningProgram();
    Widget& w = widget(c.at(1));
    if (w.kind() != WidgetKind::Edit) fail(c.at(1) + " is not a text field");
    if (auto why = notClickable(w)) fail(c.at(1) + " is not clickable: " + *why);
    auto& edit = static_cast<Edit&>(w);
    platform_.desktop().userActivate(w.form()->windowId());
    giveKeyboard(w);
    p.application().dispatch([&edit, text = c.at(2)] { edit.userTyped(text); });
}

void Runner::answer(const Command& c) {
    SimDialogs& dialogs = platform_.dialogs();
    const bool cancel = c.keyword(2, "cancel");
    if (c.keyword(1, "cancel")) {
        dialogs.answerCancel();
    } else if (c.keyword(1, "open")) {
        dialogs.answerOpen(cancel ? std::nullopt : std::optional<std::string>(c.unicodeAt(2)));
    } else if (c.keyword(1, "save")) {
        dialogs.answerSave(cancel ? std::nullopt : std::optional<std::string>(c.unicodeAt(2)));
    } else if (c.keyword(1, "question")) {
        dialogs.answerQuestion(c.keyword(2, "yes"));
    } else if (c.keyword(1, "color")) {
        dialogs.answerColor(cancel ? std::nullopt : std::optional<uint32_t>(static_cast<uint32_t>(*number(c.at(2)))));
    } else {
        dialogs.answerSize(static_cast<int>(*number(c.at(2))), static_cast<int>(*number(c.at(3))));
    }
}

}  // namespace zv::sim
