#pragma once
// The size-choice window: the user resizes it, and its client size when it closes is the
// frame's hole, plus the two bars and one pixel.

#include "widgets/form.h"

namespace zv {

class FormTransparent;

class FormCopiarUnTrosDePantalla : public Form {
public:
    FormCopiarUnTrosDePantalla(Application& app, FormTransparent& frame);
    void FormClose();

private:
    FormTransparent& frame_;
};

}  // namespace zv
