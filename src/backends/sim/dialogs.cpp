// The user's side of every dialog: queued answers, and the record of dialogs, messages and error reports.
#include "backends/sim/dialogs.h"

#include "backends/sim/failure.h"
#include "backends/sim/trace.h"

namespace zv::sim {

SimDialogs::Answer SimDialogs::take(const std::string& kind, const char* what) {
    for (auto it = answers_.begin(); it != answers_.end(); ++it) {
        if (it->kind == kind || (it->kind == "any" && kind != "size" && kind != "question")) {
            Answer answer = std::move(*it);
            answers_.erase(it);
            return answer;
        }
    }
    throw SimFailure{std::string("a ") + what + " opened with no answer queued"};
}

std::string withDefaultExtension(const std::string& path, const std::string& extension) {
    if (extension.empty()) return path;
    const auto slash = path.find_last_of("\\/");
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.find('.') != std::string::npos) return path;
    return path + "." + extension;
}

std::optional<std::string> SimDialogs::openFile(const FileDialogSpec& spec) {
    dialogs_.push_back({"open", spec.fileName});
    trace_("open dialog \"" + spec.title + "\"");
    auto answer = take("open", "file-open dialog").path;
    trace_("open dialog answered " + answer.value_or("cancel"));
    return answer;
}

std::optional<std::string> SimDialogs::saveFile(const FileDialogSpec& spec) {
    dialogs_.push_back({"save", spec.fileName});
    trace_("save dialog \"" + spec.title + "\" proposing \"" + spec.fileName + "\"");
    auto answer = take("save", "file-save dialog").path;
    if (answer) answer = withDefaultExtension(*answer, spec.defaultExtension);
    trace_("save dialog answered " + answer.value_or("cancel"));
    return answer;
}

std::optional<uint32_t> SimDialogs::chooseColor(uint32_t initial) {
    dialogs_.push_back({"color", std::to_string(initial)});
    trace_("colour dialog preset " + std::to_string(initial));
    auto answer = take("color", "colour dialog").color;
    trace_("colour dialog answered " + (answer ? std::to_string(*answer) : std::string("cancel")));
    return answer;
}

std::pair<int, int> SimDialogs::chooseSize(int width, int height) {
    dialogs_.push_back({"size", std::to_string(width) + " " + std::to_string(height)});
    trace_("size-choice window opens at " + std::to_string(width) + " x " + std::to_string(height));
    return take("size", "size-choice window").size;
}

void SimDialogs::messageBox(const std::string& text, const std::string& title) {
    messages_.push_back({text, title});
    trace_("message box \"" + text + "\"");
}

bool SimDialogs::question(const std::string& text, const std::string& title) {
    dialogs_.push_back({"question", text});
    trace_("question box \"" + title + "\": \"" + text + "\"");
    const bool yes = take("question", "question box").yes;
    trace_(std::string("question box answered ") + (yes ? "yes" : "no"));
    return yes;
}

void SimDialogs::errorReport(const std::string& text) {
    errors_.push_back(text);
    trace_("error report \"" + text + "\"");
}

void SimDialogs::clearRecords() {
    dialogs_.clear();
    messages_.clear();
    errors_.clear();
}

}  // namespace zv::sim
