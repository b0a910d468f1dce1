#pragma once
// The screen-capture surface: a full-screen snapshot on which each left click records
// the pointer's position and the right button ends the recording.

#include "widgets/form.h"

namespace zv {

class FormPrincipal;

class FormScreen : public Form {
public:
    FormScreen(Application& app, FormPrincipal& principal);
    Image Imatge;
    bool stoppedByUser = false;
    void ImatgeMouseDown(MouseButton button);

private:
    FormPrincipal& principal_;
};

}  // namespace zv
