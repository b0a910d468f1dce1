#pragma once
// The pointer catcher of the "Windows Vista" variant: one pixel under the pointer that
// takes the user's clicks and keys, since no mouse hook is installed then.

#include "widgets/form.h"

namespace zv {

class FormPrincipal;

class FormMouse : public Form {
public:
    FormMouse(Application& app, FormPrincipal& principal);
    void FormMouseDown(MouseButton button);
    void FormKeyUp(int key);
    void ClickThrough();
    // Hidden, moved so that its centre is on the point, and shown again.
    void placeAt(int x, int y);

private:
    void bringBothToFront();
    void jumpTo(int index);
    FormPrincipal& principal_;
};

}  // namespace zv
