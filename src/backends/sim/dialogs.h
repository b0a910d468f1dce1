#pragma once
// The user's side of every dialog: answers queued by the scenario, taken in order, and a
// record of each dialog, message box and error report for the scenario to check. A
// dialog that opens with no answer queued fails the scenario: nobody would close it.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <utility>

#include "platform/platform.h"

namespace zv::sim {

class Trace;

struct DialogRecord {
    std::string kind;      // open, save, color, size, question
    std::string initial;   // proposed file name, preset colour, client size "W H", or the question
};

struct MessageRecord {
    std::string text, title;
};

class SimDialogs {
public:
    explicit SimDialogs(const Trace& trace) : trace_(trace) {}

    // Answers, each taken by the first dialog of its kind; nothing means the user
    // cancels. A cancel of no particular kind goes to whichever file or colour dialog
    // comes first.
    void answerOpen(std::optional<std::string> path) { answers_.push_back({"open", std::move(path), {}, {}, false}); }
    void answerSave(std::optional<std::string> path) { answers_.push_back({"save", std::move(path), {}, {}, false}); }
    void answerColor(std::optional<uint32_t> color) { answers_.push_back({"color", {}, color, {}, false}); }
    void answerSize(int width, int height) { answers_.push_back({"size", {}, {}, {width, height}, false}); }
    void answerCancel() { answers_.push_back({"any", {}, {}, {}, false}); }
    void answerQuestion(bool yes) { answers_.push_back({"question", {}, {}, {}, yes}); }

    std::optional<std::string> openFile(const FileDialogSpec& spec);
    std::optional<std::string> saveFile(const FileDialogSpec& spec);
    std::optional<uint32_t> chooseColor(uint32_t initial);
    // The size-choice window opening with this client size: the size the user gives it.
    std::pair<int, int> chooseSize(int width, int height);

    void messageBox(const std::string& text, const std::string& title);
    // A question box: the answer queued for it, and a record of it among the dialogs.
    bool question(const std::string& text, const std::string& title);
    void errorReport(const std::string& text);

    std::deque<DialogRecord>& dialogs() { return dialogs_; }
    std::deque<MessageRecord>& messages() { return messages_; }
    std::deque<std::string>& errors() { return errors_; }
    void clearRecords();

private:
    struct Answer {
        std::string kind;
        std::optional<std::string> path;
        std::optional<uint32_t> color;
        std::pair<int, int> size;
        bool yes = false;
    };
    Answer take(const std::string& kind, const char* what);

    const Trace& trace_;
    std::deque<Answer> answers_;
    std::deque<DialogRecord> dialogs_;
    std::deque<MessageRecord> messages_;
    std::deque<std::string> errors_;
};

// What the save dialog makes of a typed name: the default extension is added when the
// name has none.
std::string withDefaultExtension(const std::string& path, const std::string& extension);

}  // namespace zv::sim
