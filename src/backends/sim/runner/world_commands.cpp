// Setting up the world: screen, clock, system version, files, settings, foreign windows,
// the pointer, and starting the program.

#include <exception>

#include "backends/sim/environment.h"
#include "backends/sim/runner/describe.h"
#include "backends/sim/runner/runner.h"
#include "backends/sim/unicode_text.h"
#include "platform/profile.h"

namespace zv::sim {

namespace {
int integer(const Command& c, size_t i) { return static_cast<int>(*number(c.at(i))); }
}  // namespace

bool Runner::worldCommand(const Command& c) {
    const std::string& name = c.name();
    if (name == "screen") {
        platform_.screen = {integer(c, 1), integer(c, 2)};
    } else if (name == "monitor") {
        platform_.moreScreens.push_back({integer(c, 1), integer(c, 2), integer(c, 3), integer(c, 4)});
    } else if (name == "tick") {
        platform_.clock().set(static_cast<uint32_t>(*number(c.at(1))));
    } else if (name == "version") {
        platform_.versionInfo = {static_cast<unsigned>(integer(c, 1)), static_cast<unsigned>(integer(c, 2)),
                                 static_cast<unsigned>(integer(c, 3)), static_cast<unsigned>(integer(c, 4)), c.at(5)};
    } else if (name == "file") {
        if (!SimFiles::writeAnyway(c.unicodeAt(1), c.body ? *c.body : c.at(2))) fail("cannot write the file " + c.at(1));
    } else if (name == "help") {
        platform_.helpFile = c.at(1);
    } else if (name == "readonly") {
        platform_.files().setReadOnly(c.unicodeAt(1));
    } else if (name == "disk") {
        platform_.files().setDiskFull(c.keyword(1, "full"));
    } else if (name == "ini") {
        if (!profileSet(settingsFilePath(), c.at(1), c.at(2), c.at(3))) fail("cannot write the settings file");
    } else if (name == "ini-file") {
        if (!SimFiles::writeAnyway(settingsFilePath(), c.at(1))) fail("cannot write the settings file");
    } else if (name == "window") {
        if (platform_.desktop().findForeign(c.at(1))) fail("there is already a window " + c.at(1));
        std::string className = "SimWindow";
        Rect rect{0, 0, 400, 300};
        for (size_t i = 3; i < c.size();) {
            if (c.keyword(i, "class")) {
                className = c.at(i + 1);
                i += 2;
            } else {
                rect = {integer(c, i + 1), integer(c, i + 2), integer(c, i + 3), integer(c, i + 4)};
                i += 5;
            }
        }
        platform_.desktop().addForeign(c.at(1), c.unicodeAt(2), className, rect);
    } else if (name == "title") {
        SimWindow* w = platform_.desktop().findForeign(c.at(1));
        if (!w) fail("unknown window " + c.at(1));
        w->title = c.unicodeAt(2);
    } else if (name == "move") {
        SimWindow* w = platform_.desktop().findForeign(c.at(1));
        if (!w) fail("unknown window " + c.at(1));
        // Only the place and the size change: the window keeps its place in the z-order.
        w->rect.left = integer(c, 2);
        w->rect.top = integer(c, 3);
        if (c.size() == 6) {
            w->rect.width = integer(c, 4);
            w->rect.height = integer(c, 5);
        }
        platform_.trace()("window " + w->name + " moved to " + std::to_string(w->rect.left) + " " +
                          std::to_string(w->rect.top) + " " + std::to_string(w->rect.width) + " " +
                          std::to_string(w->rect.height));
    } else if (name == "accessible") {
        accessibleCommand(c);
    } else if (name == "speech") {
        speechCommand(c);
    } else if (name == "paint" || name == "label") {
        SimWindow* w = platform_.desktop().findForeign(c.at(1));
        if (!w) fail("unknown window " + c.at(1));
        SimPaint paint{{integer(c, 2), integer(c, 3), integer(c, 4), integer(c, 5)}, 0xE1E1E1, ""};
        if (name == "paint") {
            paint.colour = *colourValue(c.at(6));
        } else {
            paint.text = c.at(6);
            if (c.size() == 8) paint.colour = *colourValue(c.at(7));
        }
        w->paints.push_back(paint);
    } else if (name == "unpaint") {
        SimWindow* w = platform_.desktop().findForeign(c.at(1));
        if (!w) fail("unknown window " + c.at(1));
        w->paints.clear();
    } else if (name == "grab") {
        if (c.keyword(1, "none")) {
            platform_.desktop().holder = 0;
        } else {
            SimWindow* w = platform_.desktop().findForeign(c.at(1));
            if (!w) fail("unknown window " + c.at(1));
            platform_.desktop().holder = w->id;
        }
    } else if (name == "pointer") {
        platform_.input().movePointer(integer(c, 1), integer(c, 2));
    } else if (name == "another-copy") {
        if (c.keyword(1, "starting")) {
            platform_.setOtherCopy(SimPlatform::OtherCopy::Starting);
        } else if (c.keyword(1, "window")) {
            platform_.setOtherCopy(SimPlatform::OtherCopy::Running, windowNamed(c.at(2)));
        } else {
            platform_.setOtherCopy(SimPlatform::OtherCopy::None);
        }
    } else if (name == "settings-file") {
        // As given: a relative name is taken from the scenario's folder, the current one.
        setEnvironment("ZENTAVORO_INI", c.at(1));
    } else if (name == "start") {
        startProgram(c);
    } else {
        return false;
    }
    return true;
}

// accessible none | accessible ID X Y W H "NAME" | accessible ID silent | accessible ID delay MS
void Runner::accessibleCommand(const Command& c) {
    SimAccessibility& layer = platform_.accessibility();
    if (c.keyword(1, "none")) {
        layer.present = false;
        return;
    }
    SimWindow* w = platform_.desktop().findForeign(c.at(1));
    if (!w) fail("unknown window " + c.at(1));
    if (c.keyword(2, "silent")) {
        layer.answerAfter(w->id, std::nullopt);
    } else if (c.keyword(2, "delay")) {
        layer.answerAfter(w->id, static_cast<uint32_t>(integer(c, 3)));
    } else {
        layer.name(w->id, {integer(c, 2), integer(c, 3), integer(c, 4), integer(c, 5)}, utf8FromScenario(c.at(6)));
    }
}

// speech working|none|failing | speech rate MS | speech voices "LANG ..."
void Runner::speechCommand(const Command& c) {
    SimSpeech& speech = platform_.speech();
    if (c.keyword(1, "working")) {
        speech.service = SimSpeech::Service::Working;
    } else if (c.keyword(1, "none")) {
        speech.service = SimSpeech::Service::None;
    } else if (c.keyword(1, "failing")) {
        speech.service = SimSpeech::Service::Failing;
    } else if (c.keyword(1, "rate")) {
        speech.msPerCharacter = static_cast<uint32_t>(integer(c, 2));
    } else if (c.keyword(1, "voices")) {
        const auto tags = splitBlanks(c.at(2));
        speech.voices = std::set<std::string>(tags.begin(), tags.end());
    } else {
        fail("speech takes working, none, failing, rate MS or voices \"LANG ...\"");
    }
}

void Runner::startProgram(const Command& c) {
    bool anyRunning = false;
    for (const auto& p : programs_) anyRunning = anyRunning || p->running();
    if (!anyRunning) {
        // A new process: the old one's windows and hooks went with it.
        programs_.clear();
        ended_.clear();
        platform_.simHooks().reset();
    }
    platform_.clearRecords();
    platform_.lastShellTarget.clear();
    platform_.simHooks().setProcessRunning(true);

    std::vector<std::string> args;
    for (size_t i = 1; i < c.size(); ++i) args.push_back(c.unicodeAt(i));
    programs_.push_back(std::make_unique<Program>(platform_));
    platform_.processStarted(programs_.back()->application());
    try {
        programs_.back()->start(args);
    } catch (const std::exception& e) {
        fail(std::string("the start-up failed: ") + e.what());
    }
    platform_.input().flushPending();
}

}  // namespace zv::sim
