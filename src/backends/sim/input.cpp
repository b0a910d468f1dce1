// The pointer and the keyboard: where the user's input goes, and what the program synthesises.
#include "backends/sim/input.h"

#include <algorithm>
#include <cstdio>

#include "backends/sim/desktop.h"
#include "backends/sim/hooks.h"
#include "backends/sim/trace.h"
#include "platform/text.h"
#include "platform/virtual_keys.h"
#include "widgets/application.h"

namespace zv::sim {

namespace {


const char* buttonName(MouseButton b) {
    switch (b) {
        case MouseButton::Left: return "left";
        case MouseButton::Right: return "right";
        default: return "middle";
    }
}

// A widget's rectangle in its form's client coordinates. A picture with no size of its
// own fills its parent, as a client-aligned image does.
Rect clientRect(const Widget& w, const Form& form) {
    Rect parent{0, 0, form.clientWidth(), form.clientHeight()};
    if (w.parent() && w.parent() != &form) parent = clientRect(*w.parent(), form);
    if (w.width() == 0 || w.height() == 0) return parent;
    return {parent.left + w.left(), parent.top + w.top(), w.width(), w.height()};
}

Image* imageAt(const Form& form, int cx, int cy, Rect& where) {
    const auto& widgets = form.widgets();
    for (auto it = widgets.rbegin(); it != widgets.rend(); ++it) {
        if ((*it)->kind() != WidgetKind::Image || !(*it)->reachable()) continue;
        Rect r = clientRect(**it, form);
        if (cx >= r.left && cy >= r.top && cx < r.left + r.width && cy < r.top + r.height) {
            where = r;
            return static_cast<Image*>(*it);
        }
    }
    return nullptr;
}

}  // namespace

void InputRouter::movePointer(int x, int y) {
    for (const Rect& r : moreScreens_) {
        if (x >= r.left && y >= r.top && int64_t{x} - r.left < r.width && int64_t{y} - r.top < r.height) {
            pointer_ = {x, y};
            return;
        }
    }
    // Off every screen: the nearest place on the primary one.
    pointer_.x = std::clamp(x, 0, std::max(0, screen_.width - 1));
    pointer_.y = std::clamp(y, 0, std::max(0, screen_.height - 1));
}

void InputRouter::setCursorPos(int x, int y) {
    records_.push_back("move " + std::to_string(x) + " " + std::to_string(y));
    trace_("SetCursorPos " + std::to_string(x) + " " + std::to_string(y));
    movePointer(x, y);
}

void InputRouter::beep(unsigned type) {
    records_.push_back("beep " + std::to_string(type));
    trace_("MessageBeep " + std::to_string(type));
}

void InputRouter::mouseEvent(uint32_t flags, int dx, int dy) {
    char text[64];
    std::snprintf(text, sizeof text, "mouse 0x%x %d %d", flags, dx, dy);
    records_.emplace_back(text);
    trace_(text);
    if (flags & mouseflags::Move) {
        if (flags & mouseflags::Absolute)
            movePointer(static_cast<int>(int64_t{dx} * screen_.width / 65536),
                        static_cast<int>(int64_t{dy} * screen_.height / 65536));
        else
            movePointer(pointer_.x + dx, pointer_.y + dy);
    }
    if (flags & mouseflags::LeftDown) press(MouseButton::Left, false);
    if (flags & mouseflags::RightDown) press(MouseButton::Right, false);
    if (flags & mouseflags::MiddleDown) press(MouseButton::Middle, false);
}

void InputRouter::keyEvent(uint8_t vk, bool up) {
    records_.push_back("key " + std::to_string(vk) + (up ? " up" : " down"));
    trace_("keybd_event " + std::to_string(vk) + (up ? " up" : " down"));
    // Alt+Tab belongs to the system: Alt waits to see whether Tab follows.
    if (vk == vk::Alt) {
        if (!up) {
            altDown_ = true;
            tabInChord_ = false;
            return;
        }
        altDown_ = false;
        if (tabInChord_) {
            altTab();
        } else {
            keyToFront(vk::Alt, false);
        }
        return;
    }
    if (vk == vk::Tab && altDown_) {
        if (!up) tabInChord_ = true;
        return;
    }
    // A foreign window logs a key once, when it goes down; a form of the program gets its
    // key-up event.
    const SimWindow* front = desktop_.find(desktop_.foreground());
    if (!front) return;
    const bool deliverNow = front->foreign() ? !up : up;
    if (deliverNow) keyToFront(vk, false);
}

void InputRouter::altTab() {
    const WindowId target = desktop_.altTabTarget();
    trace_("Alt+Tab to " + desktop_.describe(target));
    if (target) desktop_.bringToFront(target);
}

void InputRouter::keyToFront(int vk, bool byUser) {
    SimWindow* front = desktop_.find(desktop_.foreground());
    if (!front) return;
    if (front->foreign()) {
        front->received.push_back("key " + std::to_string(vk));
        trace_(front->name + " receives key " + std::to_string(vk));
        return;
    }
    if (!byUser) {
        pending_.push_back({front->form, true, vk, MouseButton::Left, pointer_});
        return;
    }
    chordToFront(KeyChord{vk});
}

void InputRouter::chordToFront(const KeyChord& chord) {
    SimWindow* front = desktop_.find(desktop_.foreground());
    if (!front) return;
    if (front->foreign()) {
        front->received.push_back("key " + std::to_string(chord.vk));
        trace_(front->name + " receives key " + std::to_string(chord.vk));
        return;
    }
    // The window's own keys first (its buttons' shortcuts and access keys); what it does not
    // take reaches it as a key going up, as before.
    Form* form = front->form;
    bool taken = false;
    form->app().dispatch([form, &chord, &taken] { taken = form->keyDown(chord); });
    // Enter not taken by the window goes to the text field that has the keyboard.
    const bool plain = !chord.ctrl && !chord.alt && !chord.shift;
    if (!taken && plain && chord.vk == vk::Return && front->keyboard && front->keyboard->kind() == WidgetKind::Edit &&
        front->keyboard->reachable()) {
        auto* field = static_cast<Edit*>(front->keyboard);
        if (field->onEnter) form->app().dispatch(field->onEnter);
        return;
    }
    if (!taken && form->onKeyUp && !chord.ctrl && !chord.alt)
        form->app().dispatch([form, vk = chord.vk] { form->onKeyUp(vk); });
}

void InputRouter::press(MouseButton button, bool byUser) {
    // A window that holds the pointer gets every press, wherever the pointer is.
    const WindowId id = desktop_.holder ? desktop_.holder : desktop_.fromPoint(pointer_.x, pointer_.y);
    if (!id) return;
    if (byUser) desktop_.userActivate(id);
    SimWindow* w = desktop_.find(id);
    if (!w) return;
    if (w->foreign()) {
        w->received.push_back(std::string("press ") + buttonName(button) + " " + std::to_string(pointer_.x) + " " +
                              std::to_string(pointer_.y));
        trace_(w->name + " receives " + w->received.back());
        return;
    }
    if (!byUser) {
        pending_.push_back({w->form, false, 0, button, pointer_});
        return;
    }
    pressOnForm(*w->form, *w, button, pointer_);
}

void InputRouter::pressOnForm(Form& form, const SimWindow& window, MouseButton button, ScreenPoint at) {
    trace_(form.name() + " receives press " + buttonName(button));
    const int cx = at.x - window.rect.left - window.clientLeft;
    const int cy = at.y - window.rect.top - window.clientTop;
    Rect where;
    if (Image* image = imageAt(form, cx, cy, where)) {
        if (image->onMouseDown)
            form.app().dispatch([=] { image->onMouseDown(button, cx - where.left, cy - where.top); });
        return;
    }
    if (form.onMouseDown) form.app().dispatch([&form, button, cx, cy] { form.onMouseDown(button, cx, cy); });
}

void InputRouter::userPress(MouseButton button) {
    trace_(std::string("user presses ") + buttonName(button) + " at " + std::to_string(pointer_.x) + " " +
           std::to_string(pointer_.y));
    const SimWindow* under = desktop_.find(desktop_.fromPoint(pointer_.x, pointer_.y));
    SimWindow* holder = desktop_.find(desktop_.holder);
    if (!hooks_.userPress(button, under ? utf8ToCp1252(under->title) : std::string(), holder != nullptr)) {
        if (holder) {
            holder->received.push_back(std::string("press ") + buttonName(button) + " " + std::to_string(pointer_.x) +
                                       " " + std::to_string(pointer_.y));
            trace_(holder->name + " holds the pointer and receives " + holder->received.back());
        } else {
            press(button, true);
        }
    }
    wakeIfReported();
}

void InputRouter::userKey(uint8_t vk) {
    trace_("user presses key " + std::to_string(vk));
    SimWindow* holder = desktop_.find(desktop_.holder);
    if (!hooks_.userKey(vk, holder != nullptr)) {
        if (holder) {
            holder->received.push_back("key " + std::to_string(vk));
            trace_(holder->name + " holds the keyboard and receives key " + std::to_string(vk));
        } else {
            keyToFront(vk, true);
        }
    }
    wakeIfReported();
}

void InputRouter::userChord(const KeyChord& chord) {
    trace_("user presses keys " + std::string(chord.ctrl ? "Ctrl+" : "") + (chord.alt ? "Alt+" : "") +
           (chord.shift ? "Shift+" : "") + std::to_string(chord.vk));
    // Modifiers are keys of their own to the hooks, which listen and take nothing.
    if (chord.ctrl) hooks_.userKey(vk::Control);
    if (chord.alt) hooks_.userKey(vk::Alt);
    if (chord.shift) hooks_.userKey(vk::Shift);
    const bool takenByHook = hooks_.userKey(static_cast<uint8_t>(chord.vk));
    if (!takenByHook) chordToFront(chord);
    wakeIfReported();
}

void InputRouter::wakeIfReported() {
    if (hooks_.takeWakeUp() && onHookReport) onHookReport();
}

void InputRouter::flushPending() {
    while (!pending_.empty()) {
        Pending p = pending_.front();
        pending_.pop_front();
        Form* form = p.form;
        if (p.key) {
            if (form->onKeyUp) form->app().dispatch([form, vk = p.vk] { form->onKeyUp(vk); });
            continue;
        }
        const SimWindow* w = desktop_.find(form->windowId());
        if (w) pressOnForm(*form, *w, p.button, p.at);
    }
}

void InputRouter::forget(const Form* form) {
    std::erase_if(pending_, [form](const Pending& p) { return p.form == form; });
}

}  // namespace zv::sim
