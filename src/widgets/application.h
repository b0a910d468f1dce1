#pragma once
// The running program as the backends see it: its forms, the main form whose closing
// ends it, the activation event, and the dispatch boundary through which every native
// event enters the model.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "widgets/form.h"

namespace zv {

class Platform;

class Application {
public:
    explicit Application(Platform& platform) : platform_(platform) {}

    Platform& platform() const { return platform_; }

    // Creates the native window of the form (hidden) and runs its creation handler.
    // The first form created is the main form.
    void create(Form& form);
    const std::vector<Form*>& forms() const { return forms_; }
    Form* mainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
    Form* findForm(const std::string& name) const;
    Form* formOf(WindowId id) const;
    // Every widget of every form by name (forms by their own name too).
    Widget* findWidget(const std::string& name) const;

    // Runs one event handler. A failure that no handler foresaw ends this operation with
    // the general error report; the message loop goes on.
    void dispatch(const std::function<void()>& handler);
    // True while a handler runs: one that waits keeps the message loop going, so others
    // may run nested inside it.
    bool handling() const { return depth_ > 0; }
    // Runs `then` as a handler of its own once the handler running now, and every handler
    // it is nested in, has returned.
    void afterHandlers(std::function<void()> then);

    // Called by the backend when the program becomes the active application (one of its
    // windows comes to the front while another application's window was in front).
    std::function<void()> onActivate;
    void activated();

    // Called by the backend when the hook library has put a report in the mailbox: on the
    // user-interface thread, never inside the library's hook callback.
    std::function<void()> onHookReport;
    void hookReported();

    // The message loop: returns once the main form has closed.
    void run();
    bool terminated() const { return terminated_; }
    void terminate() { terminated_ = true; }

private:
    Platform& platform_;
    std::vector<Form*> forms_;
    bool terminated_ = false;
    int depth_ = 0;
    std::vector<std::function<void()>> afterHandlers_;
};

}  // namespace zv
