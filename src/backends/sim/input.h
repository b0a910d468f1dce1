#pragma once
// The pointer and the keyboard of the simulated desktop: where the user's presses and
// keys go (the hooks first, then the window under the pointer or in front), and what
// the program synthesises (recorded, never shown to the hooks, delivered like the
// user's). Deliveries to the program's own windows from synthesised input wait for its
// next pass of the message pump, as posted input does.

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace zv::sim {

class Desktop;
class SimHooks;
class Trace;
struct SimWindow;

class InputRouter {
public:
    InputRouter(Desktop& desktop, SimHooks& hooks, const ScreenSize& screen, const std::vector<Rect>& moreScreens,
                const Trace& trace)
        : desktop_(desktop), hooks_(hooks), screen_(screen), moreScreens_(moreScreens), trace_(trace) {}

    ScreenPoint pointer() const { return pointer_; }
    // The pointer cannot leave the screen.
    void movePointer(int x, int y);

    // Synthesised input, recorded as "move X Y", "mouse 0xFLAGS DX DY", "key VK down|up",
    // "beep TYPE".
    void setCursorPos(int x, int y);
    void mouseEvent(uint32_t flags, int dx, int dy);
    void keyEvent(uint8_t vk, bool up);
    void beep(unsigned type);
    std::vector<std::string>& records() { return records_; }

    // The user's presses and keys.
    void userPress(MouseButton button);
    void userKey(uint8_t vk);
    // A key pressed with modifiers held: the hooks see the modifier keys and then the key,
    // each as the hook library would; the window in front gets the chord.
    void userChord(const KeyChord& chord);
    // Called when the hooks have put a user's press or key in the mailbox, once the press
    // or key has gone on to the window that gets it (the application has it before the
    // program can act on the report).
    std::function<void()> onHookReport;

    // Delivers what synthesised input left pending for the program's windows.
    void flushPending();
    void forget(const Form* form);

private:
    struct Pending {
        Form* form;
        bool key;
        int vk;
        MouseButton button;
        ScreenPoint at;
    };
    void press(MouseButton button, bool byUser);
    void keyToFront(int vk, bool byUser);
    void chordToFront(const KeyChord& chord);
    void pressOnForm(Form& form, const SimWindow& window, MouseButton button, ScreenPoint at);
    void altTab();
    void wakeIfReported();

    Desktop& desktop_;
    SimHooks& hooks_;
    const ScreenSize& screen_;
    const std::vector<Rect>& moreScreens_;
    const Trace& trace_;
    ScreenPoint pointer_{0, 0};
    std::vector<std::string> records_;
    std::deque<Pending> pending_;
    bool altDown_ = false, tabInChord_ = false;
};

}  // namespace zv::sim
