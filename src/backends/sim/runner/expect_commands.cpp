// The expectations: the program's widgets and state, the world around it, and what was
// recorded on the way.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "backends/sim/runner/describe.h"
#include "backends/sim/runner/runner.h"
#include "backends/sim/unicode_text.h"
#include "platform/profile.h"
#include "platform/text.h"

namespace zv::sim {

namespace {

constexpr const char* kMessageTitle = "Brisal 2001 - Zentavoro";
// What profileGet answers for a key that is not there: no value can hold these bytes.
const std::string kAbsent = "\x01\x02 absent \x02\x01";

std::optional<std::string> property(Widget& w, const std::string& prop) {
    const auto kind = w.kind();
    if (prop == "caption") return w.caption();
    if (prop == "hint") return w.hint();
    if (prop == "left") return std::to_string(w.left());
    if (prop == "top") return std::to_string(w.top());
    if (prop == "width") return std::to_string(w.width());
    if (prop == "height") return std::to_string(w.height());
    if (prop == "value" && kind == WidgetKind::SpinEdit) return std::to_string(static_cast<SpinEdit&>(w).value());
    if (prop == "text") {
        if (kind == WidgetKind::SpinEdit) return static_cast<SpinEdit&>(w).text();
        if (kind == WidgetKind::Memo) return static_cast<Memo&>(w).text();
        if (kind == WidgetKind::Edit) return static_cast<Edit&>(w).text();
        return w.caption();
    }
    if (kind == WidgetKind::ListView) {
        auto& list = static_cast<ListView&>(w);
        if (prop == "selected") return list.selected() < 0 ? std::string("none") : std::to_string(list.selected());
        if (prop == "rows") {
            // Rows joined by ";", the cells of a row by "|".
            std::string text;
            for (size_t r = 0; r < list.rows().size(); ++r) {
                if (r) text += ";";
                for (size_t i = 0; i < list.rows()[r].size(); ++i) text += (i ? "|" : "") + list.rows()[r][i];
            }
            return text;
        }
    }
    if (prop == "interval" && kind == WidgetKind::Timer) return std::to_string(static_cast<Timer&>(w).interval());
    if (kind == WidgetKind::Form) {
        auto& form = static_cast<Form&>(w);
        if (prop == "clientwidth") return std::to_string(form.clientWidth());
        if (prop == "clientheight") return std::to_string(form.clientHeight());
        if (prop == "color") return std::to_string(form.color);
    }
    if (prop == "color" && kind == WidgetKind::Shape) return std::to_string(static_cast<Shape&>(w).brushColor());
    return std::nullopt;
}

std::string state(Widget& w, const std::string& wanted) {
    if (wanted == "checked" || wanted == "unchecked") {
        if (w.kind() != WidgetKind::MenuItem) return "no check mark";
        return static_cast<MenuItem&>(w).checked() ? "checked" : "unchecked";
    }
    if (wanted == "enabled" || wanted == "disabled") return w.enabled() ? "enabled" : "disabled";
    if (wanted == "visible" || wanted == "hidden") return w.visible() ? "visible" : "hidden";
    if (w.kind() != WidgetKind::Timer) return "not a timer";
    return static_cast<Timer&>(w).on() ? "on" : "off";
}

bool textProperty(const std::string& prop) { return prop == "caption" || prop == "hint" || prop == "text" || prop == "rows"; }

}  // namespace

void Runner::expectCommand(const Command& c) {
    if (expectWorld(c) || expectRecords(c)) return;
    expectWidget(c);
}

void Runner::expectWidget(const Command& c) {
    const std::string& name = c.at(1);
    Widget& w = widget(name);
    if (c.size() == 3) {
        const std::string got = state(w, c.at(2));
        if (got != c.at(2)) fail("expected " + name + " " + c.at(2) + ", got " + got);
        return;
    }
    const std::string& prop = c.at(2);
    const auto got = property(w, prop);
    if (!got) fail(name + " has no property " + prop);
    if (*got != c.at(3)) {
        if (textProperty(prop))
            fail("expected " + name + " " + prop + " " + shown(c.at(3)) + ", got " + shown(*got));
        fail("expected " + name + " " + prop + " " + c.at(3) + ", got " + *got);
    }
}

bool Runner::expectWorld(const Command& c) {
    if (c.words[1].quoted) return false;
    const std::string& what = c.at(1);
    if (what == "state") {
        Program* p = current();
        if (!p) fail("no program has been started");
        const auto got = p->stateField(c.at(2));
        if (!got) fail("unknown state field " + c.at(2));
        if (*got != c.at(3)) fail("expected state " + c.at(2) + " " + c.at(3) + ", got " + *got);
    } else if (what == "point") {
        Program* p = current();
        if (!p) fail("no program has been started");
        const auto got = p->point(static_cast<int>(*number(c.at(2))));
        const std::string wanted = c.at(3) + " " + c.at(4);
        if (!got) fail("expected point " + c.at(2) + " " + wanted + ", got no such point");
        const std::string gotText = std::to_string(got->first) + " " + std::to_string(got->second);
        if (gotText != wanted) fail("expected point " + c.at(2) + " " + wanted + ", got " + gotText);
    } else if (what == "name") {
        Program* p = current();
        if (!p) fail("no program has been started");
        const auto got = p->pointName(static_cast<int>(*number(c.at(2))));
        if (!got) fail("expected name " + c.at(2) + " " + shown(c.at(3)) + ", got no such point");
        const std::string gotText = scenarioFromUtf8(*got);
        if (gotText != scenarioFromUtf8(utf8FromScenario(c.at(3))))
            fail("expected name " + c.at(2) + " " + shown(c.at(3)) + ", got " + shown(gotText));
    } else if (what == "pointer") {
        const ScreenPoint at = platform_.input().pointer();
        const std::string gotText = std::to_string(at.x) + " " + std::to_string(at.y);
        if (gotText != c.at(2) + " " + c.at(3))
            fail("expected pointer " + c.at(2) + " " + c.at(3) + ", got " + gotText);
    } else if (what == "foreground") {
        const WindowId wanted = c.keyword(2, "none") ? 0 : windowNamed(c.at(2));
        const WindowId got = platform_.desktop().foreground();
        if (got != wanted) fail("expected foreground " + c.at(2) + ", got " + platform_.desktop().describe(got));
    } else if (what == "running") {
        Program* p = current();
        const std::string got = p && p->running() ? "yes" : "no";
        if (got != c.at(2)) fail("expected running " + c.at(2) + ", got " + got);
    } else if (what == "ini") {
        const auto read = profileGet(settingsFilePath(), c.at(2), c.at(3), kAbsent, 1 << 20);
        const bool absent = read.value == kAbsent;
        const std::string subject = "expected ini [" + c.at(2) + "] " + c.at(3) + " ";
        if (c.keyword(4, "missing")) {
            if (!absent) fail(subject + "missing, got " + shown(read.value));
        } else if (absent) {
            fail(subject + shown(c.at(4)) + ", got missing");
        } else if (read.value != c.at(4)) {
            fail(subject + shown(c.at(4)) + ", got " + shown(read.value));
        }
    } else if (what == "file") {
        const auto bytes = platform_.files().read(c.unicodeAt(2));
        const std::string subject = "expected file " + c.at(2) + " ";
        if (c.keyword(3, "missing")) {
            if (bytes) fail(subject + "missing, got " + shown(*bytes));
        } else if (!bytes) {
            fail(subject + shown(c.at(3)) + ", got missing");
        } else if (*bytes != c.at(3)) {
            fail(subject + shown(c.at(3)) + ", got " + shown(*bytes));
        }
    } else if (what == "no-file-holds") {
        // Every file of the scenario's folder and below, the settings file and its
        // neighbours included.
        std::error_code ec;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder_, ec)) {
            if (!entry.is_regular_file()) continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
            if (bytes.find(c.at(2)) != std::string::npos)
                fail("expected no file to hold " + shown(c.at(2)) + ", got it in " +
                     entry.path().lexically_relative(folder_).string());
        }
    } else if (what == "file-copy") {
        const auto bytes = platform_.files().read(c.at(2)), other = platform_.files().read(c.at(3));
        if (!bytes || !other)
            fail("expected files " + c.at(2) + " and " + c.at(3) + ", got " + (bytes ? c.at(3) : c.at(2)) + " missing");
        else if (*bytes != *other)
            fail("expected file " + c.at(2) + " to hold the bytes of " + c.at(3) + ", got " +
                 shown(bytes->size() > 400 ? bytes->substr(0, 400) + "..." : *bytes));
    } else if (what == "file-contains" || what == "file-lacks") {
        const auto bytes = platform_.files().read(c.at(2));
        const bool wanted = what == "file-contains";
        if (!bytes)
            fail("expected file " + c.at(2) + " to exist, got missing");
        else if ((bytes->find(c.at(3)) != std::string::npos) != wanted)
            fail("expected file " + c.at(2) + (wanted ? " to contain " : " not to contain ") + shown(c.at(3)) + ", got " +
                 shown(bytes->size() > 400 ? bytes->substr(0, 400) + "..." : *bytes));
    } else if (what == "shell") {
        if (platform_.lastShellTarget != c.at(2))
            fail("expected shell " + shown(c.at(2)) + ", got " + shown(platform_.lastShellTarget));
    } else if (what == "hooks") {
        auto got = platform_.simHooks().installed();
        auto wanted = c.keyword(2, "none") ? std::vector<std::string>{} : splitBlanks(c.at(2));
        std::sort(got.begin(), got.end());
        std::sort(wanted.begin(), wanted.end());
        if (got != wanted)
            fail("expected hooks " + shown(joined(wanted, " ")) + ", got " +
                 (got.empty() ? std::string("none") : shown(joined(got, " "))));
    } else {
        return false;
    }
    return true;
}

bool Runner::expectRecords(const Command& c) {
    if (c.words[1].quoted) return false;
    const std::string& what = c.at(1);
    auto compareList = [&](std::vector<std::string>& got, size_t at, char separator, const std::string& subject) {
        const auto wanted = c.keyword(at, "none") ? std::vector<std::string>{} : splitList(c.at(at), separator);
        const std::string sep(1, separator);
        const std::string gotText = got.empty() ? "none" : shown(joined(got, sep));
        const std::string wantedText = wanted.empty() ? "none" : shown(joined(wanted, sep));
        const bool same = got == wanted;
        got.clear();
        if (!same) fail("expected " + subject + " " + wantedText + ", got " + gotText);
    };
    SimDialogs& dialogs = platform_.dialogs();
    if (what == "input") {
        compareList(platform_.input().records(), 2, ';', "input");
    } else if (what == "speech") {
        compareList(platform_.speech().records(), 2, ';', "speech");
    } else if (what == "hook-calls") {
        compareList(platform_.simHooks().calls(), 2, ' ', "hook-calls");
    } else if (what == "got") {
        SimWindow* w = platform_.desktop().findForeign(c.at(2));
        if (!w) fail("unknown window " + c.at(2));
        compareList(w->received, 3, ';', "got " + c.at(2));
    } else if (what == "message") {
        if (dialogs.messages().empty()) fail("expected message " + shown(c.at(2)) + ", got no message");
        const MessageRecord m = dialogs.messages().front();
        dialogs.messages().pop_front();
        if (m.text != c.at(2)) fail("expected message " + shown(c.at(2)) + ", got " + shown(m.text));
        if (m.title != kMessageTitle)
            fail("expected the message titled " + shown(kMessageTitle) + ", got the title " + shown(m.title));
    } else if (what == "error") {
        if (dialogs.errors().empty()) fail("expected error " + shown(c.at(2)) + ", got no error report");
        const std::string text = dialogs.errors().front();
        dialogs.errors().pop_front();
        if (text != c.at(2)) fail("expected error " + shown(c.at(2)) + ", got " + shown(text));
    } else if (what == "quiet") {
        if (!dialogs.messages().empty()) fail("expected quiet, got message " + shown(dialogs.messages().front().text));
        if (!dialogs.errors().empty()) fail("expected quiet, got error " + shown(dialogs.errors().front()));
    } else if (what == "dialog") {
        const std::string wanted = c.at(2) + (c.size() > 3 ? " " + shown(c.at(3)) : "");
        if (dialogs.dialogs().empty()) fail("expected dialog " + wanted + ", got no dialog");
        const DialogRecord d = dialogs.dialogs().front();
        dialogs.dialogs().pop_front();
        // A proposed file name is UTF-8, as every file name the program hands the system.
        const bool fileName = d.kind == "open" || d.kind == "save";
        const std::string initial = fileName ? utf8ToCp1252(d.initial) : d.initial;
        const std::string got = d.kind + (c.size() > 3 ? " " + shown(initial) : "");
        if (d.kind != c.at(2) || (c.size() > 3 && d.initial != (fileName ? c.unicodeAt(3) : c.at(3))))
            fail("expected dialog " + wanted + ", got " + got);
    } else {
        return false;
    }
    return true;
}

}  // namespace zv::sim
