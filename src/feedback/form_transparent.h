#pragma once
// The tracking frame: a borderless, always-on-top window cut to four coloured bars, so
// that the point shows through its hole and clicks inside the hole reach the application.

#include "widgets/form.h"

namespace zv {

class FormTransparent : public Form {
public:
    explicit FormTransparent(Application& app);

    Shape Shape1, Shape2, Shape3, Shape4;
    int32_t ColorQuadre = 255;
    int32_t GrandariaBase = 137;
    int32_t GrandariaX = 100;
    int32_t GrandariaY = 200;

    void FormCreate();
    void ActualitzarRegio();
    // Sets the frame's size; the bars stay on the edges, 8 pixels thick.
    void setFrameSize(int width, int height);
    // Outline then fill of the four bars.
    void setBarColour(int32_t colour);
    // Centres the frame on the point and shows it on top.
    void placeAround(int x, int y);
    // Red bars, whatever colour was chosen, for a point that is not clicked; and back.
    void showWarning(bool on);
    bool warning() const { return warning_; }

private:
    void layOutBars();
    // As thick as the window was made: the desktop scales the design to its screen.
    int bar_;
    bool warning_ = false;
};

}  // namespace zv
