#pragma once
// How forms lay themselves out, the same on every desktop: the bindings apply it, they do
// not decide it.

#include <utility>
#include <vector>

#include "widgets/form.h"

namespace zv {

// Shapes aligned to an edge keep to it at their own thickness whatever the size of the
// client area: the top ones first, then the bottom ones, each across the whole width; then
// the left and right ones, across the height left between. Only visible shapes that stand
// on the form itself take part, in the order the form holds them.
std::vector<std::pair<Shape*, Rect>> alignedShapeBounds(const Form& form, int clientWidth, int clientHeight);

// The same, applied to the form's shapes for its present client size.
void alignShapes(Form& form);

// Where a form that opens centred goes: its outer rectangle moved to the middle of a
// screen of this size, halves rounded down.
Rect centredOn(const Rect& outer, int screenWidth, int screenHeight);

}  // namespace zv
