// The scenario runner: a fresh world per file, its commands in order, modal loops, the report.
#include "backends/sim/runner/runner.h"

#include <cstdlib>
#include <exception>
#include <string>

#include "backends/sim/environment.h"
#include "backends/sim/failure.h"
#include "backends/sim/runner/describe.h"
#include "platform/text.h"

namespace zv::sim {

namespace fs = std::filesystem;


Runner::Runner(const Script& script, std::ostream& out, bool trace) : script_(script), out_(out) {
    if (trace) platform_.trace().enable(out_, [this] { return platform_.clock().now(); });
    platform_.modalLoop = [this](Form& form) { modal(form); };
    platform_.messageLoop = [this](Application& app) {
        ++depth_;
        runCommands([&app] { return app.terminated(); });
        --depth_;
    };
}

Runner::~Runner() {
    programs_.clear();
    std::error_code ec;
    if (!previousDirectory_.empty()) fs::current_path(previousDirectory_, ec);
    if (folder_.empty()) return;
    // Windows removes no read-only file: the scenario's files are made writable first.
    for (const auto& entry : fs::recursive_directory_iterator(folder_, ec))
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ec);
    fs::remove_all(folder_, ec);
}

bool Runner::run() {
    folder_ = makeFreshFolder("zentavoro-sim-");
    if (folder_.empty()) {
        out_ << script_.file << ": cannot make a temporary folder\n";
        return false;
    }
    previousDirectory_ = fs::current_path();
    fs::current_path(folder_);
    setEnvironment("ZENTAVORO_INI", (folder_ / "Zentavoro.ini").string());

    bool passed = true;
    try {
        runCommands(nullptr);
    } catch (const ScenarioEnded&) {
        // The scenario ended inside a modal window: nothing more to check.
    } catch (const SimFailure& failure) {
        out_ << script_.file << ":" << line_ << ": " << cp1252ToUtf8(failure.why) << "\n";
        passed = false;
    } catch (const std::exception& e) {
        out_ << script_.file << ":" << line_ << ": the program failed outside any handler: " << cp1252ToUtf8(e.what())
             << "\n";
        passed = false;
    }
    programs_.clear();
    return passed;
}

void Runner::runCommands(const std::function<bool()>& until) {
    for (;;) {
        if (until && until()) return;
        if (next_ >= script_.commands.size()) {
            if (depth_ > 0) throw ScenarioEnded{};
            return;
        }
        const Command& c = script_.commands[next_++];
        const int outer = line_;
        line_ = c.line;
        execute(c);
        if (depth_ == 0) reapEnded();
        line_ = outer;
    }
}

void Runner::execute(const Command& c) {
    if (platform_.trace().enabled()) {
        std::string text;
        for (const Word& w : c.words) text += (text.empty() ? "" : " ") + (w.quoted ? shown(w.text) : w.text);
        platform_.trace()("line " + std::to_string(c.line) + ": " + text);
    }
    if (c.name() == "expect") {
        expectCommand(c);
        return;
    }
    if (worldCommand(c)) return;
    if (actingCommand(c)) {
        // Whatever the command's own input left for the program arrives before the next one.
        platform_.input().flushPending();
        return;
    }
    fail("unknown command '" + c.name() + "'");
}

void Runner::modal(Form& form) {
    if (form.name() == "FormCopiarUnTrosDePantalla") {
        // The size-choice window has nothing to click: the user sizes it and closes it.
        auto [width, height] = form.binding()->clientSize();
        auto [newWidth, newHeight] = platform_.dialogs().chooseSize(width, height);
        form.binding()->setClientSize(newWidth, newHeight);
        form.app().dispatch([&form] { form.close(); });
        return;
    }
    ++depth_;
    runCommands([&form] { return !form.visible() || form.app().terminated(); });
    --depth_;
}

void Runner::reapEnded() {
    bool anyRunning = false;
    for (const auto& p : programs_) {
        if (p->running()) {
            anyRunning = true;
        } else if (ended_.insert(p.get()).second) {
            platform_.endProcess(p->application());
        }
    }
    platform_.simHooks().setProcessRunning(anyRunning);
}

Program* Runner::current() {
    for (auto it = programs_.rbegin(); it != programs_.rend(); ++it)
        if ((*it)->running()) return it->get();
    for (auto it = programs_.rbegin(); it != programs_.rend(); ++it)
        if ((*it)->mainWindow()) return it->get();
    return programs_.empty() ? nullptr : programs_.back().get();
}

Program& Runner::runningProgram() {
    Program* p = current();
    if (!p || !p->running()) fail("the program is not running");
    return *p;
}

Widget& Runner::widget(const std::string& name) {
    Program* p = current();
    if (!p) fail("no program has been started, so there is no widget " + name);
    Widget* w = p->application().findWidget(name);
    if (!w) fail("unknown widget " + name);
    return *w;
}

WindowId Runner::windowNamed(const std::string& name) {
    if (SimWindow* w = platform_.desktop().findForeign(name)) return w->id;
    Program* p = current();
    if (p && name == "main" && p->application().mainForm()) return p->application().mainForm()->windowId();
    if (p)
        if (Form* f = p->application().findForm(name)) return f->windowId();
    fail("unknown window " + name);
}

void Runner::fail(const std::string& why) { throw SimFailure{why}; }

}  // namespace zv::sim
