#pragma once
// The marker of a point while the point editor is open: a small window with the point's
// number, its top left corner on the point. The mouse goes through it, so a click that
// places a point lands on the application even where a marker lies over it.

#include "widgets/form.h"

namespace zv {

class FormPointMarker : public Form {
public:
    // Named "FormPointMarker" and the number of the point it first stood for.
    FormPointMarker(Application& app, int number);

    Label Numero;
    // A dark corner on the point itself, which the rest of the marker leaves uncovered.
    Shape Punta;

    // Shows point `number` at (x, y) in this background colour, on top.
    void showAt(int number, int x, int y, uint32_t colour);
};

}  // namespace zv
