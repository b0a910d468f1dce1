#include "widgets/application.h"

#include <exception>

#include "platform/platform.h"

namespace zv {

void Application::create(Form& form) {
    forms_.push_back(&form);
    form.attach(platform_.bind(form));
    if (form.onCreate) form.onCreate();
}

Form* Application::findForm(const std::string& name) const {
    for (Form* f : forms_)
        if (f->name() == name) return f;
    return nullptr;
}

Form* Application::formOf(WindowId id) const {
    if (id == 0) return nullptr;
    for (Form* f : forms_)
        if (f->windowId() == id) return f;
    return nullptr;
}

Widget* Application::findWidget(const std::string& name) const {
    for (Form* f : forms_) {
        if (f->name() == name) return f;
        if (Widget* w = f->find(name)) return w;
    }
    return nullptr;
}

void Application::dispatch(const std::function<void()>& handler) {
    ++depth_;
    try {
        handler();
    } catch (const std::exception& e) {
        platform_.errorReport(e.what());
    }
    --depth_;
    while (depth_ == 0 && !afterHandlers_.empty()) {
        std::function<void()> then = std::move(afterHandlers_.front());
        afterHandlers_.erase(afterHandlers_.begin());
        dispatch(then);
    }
}

void Application::afterHandlers(std::function<void()> then) {
    if (depth_ == 0) {
        dispatch(then);
        return;
    }
    afterHandlers_.push_back(std::move(then));
}

void Application::activated() {
    if (onActivate) dispatch(onActivate);
}

void Application::hookReported() {
    // Not a handler of its own: it decides whether one runs now (a timer's tick, which
    // dispatches itself) or after the handlers running now, and that depends on them.
    if (onHookReport) onHookReport();
}

void Application::run() { platform_.runMessageLoop(*this); }

}  // namespace zv
