#pragma once
// A form's native side on the simulated desktop: one top-level window whose screen
// rectangle is the form's bounds, with the border and caption a real window would have.

#include "widgets/form.h"

namespace zv::sim {

class SimPlatform;

// What a real window's border, caption and menu bar take from its outer size.
struct FrameInsets {
    int left = 0, top = 0, right = 0, bottom = 0;
};
FrameInsets frameInsets(const Form& form);

class SimBinding : public FormBinding {
public:
    SimBinding(SimPlatform& platform, Form& form);
    ~SimBinding() override;

    void propertyChanged(Widget& widget, Prop prop) override;
    WindowId windowId() const override { return id_; }
    void bringToFront() override;
    void placeTopmost() override;
    void setRegion(const std::vector<Rect>& rects) override;
    void runModal() override;
    std::pair<int, int> clientSize() const override;
    void setClientSize(int width, int height) override;

private:
    SimPlatform& platform_;
    Form& form_;
    WindowId id_ = 0;
};

}  // namespace zv::sim
