// The layout every desktop applies, the simulated one included: aligned shapes and
// centred forms.
#include "widgets/layout.h"

#include <gtest/gtest.h>

#include "sim_forms.h"

namespace zv {
namespace {

// A form with aligned shapes, never bound to a desktop.
class Frame : public Form {
public:
    explicit Frame(Application& app)
        : Form(app, "Frame"), left(this, "L", Shape::Align::Left), top(this, "T", Shape::Align::Top),
          right(this, "R", Shape::Align::Right), bottom(this, "B", Shape::Align::Bottom), top2(this, "T2", Shape::Align::Top),
          loose(this, "N", Shape::Align::None) {
        left.setWidth(8);
        right.setWidth(5);
        top.setHeight(8);
        top2.setHeight(3);
        bottom.setHeight(6);
        loose.setBounds({40, 40, 10, 10});
    }
    Shape left, top, right, bottom, top2, loose;
};

Rect boundsOf(const std::vector<std::pair<Shape*, Rect>>& placed, const Shape& s) {
    for (auto& [shape, r] : placed)
        if (shape == &s) return r;
    return {-1, -1, -1, -1};
}

TEST(Layout, aligned_shapes_take_the_edges_top_then_bottom_then_the_sides_between) {
    sim::testing::World world;
    Frame f(world.app);
    const auto placed = alignedShapeBounds(f, 100, 60);
    EXPECT_EQ(placed.size(), 5u);
    EXPECT_EQ(boundsOf(placed, f.top), (Rect{0, 0, 100, 8}));
    EXPECT_EQ(boundsOf(placed, f.top2), (Rect{0, 8, 100, 3}));   // the second top one below the first
    EXPECT_EQ(boundsOf(placed, f.bottom), (Rect{0, 54, 100, 6}));
    EXPECT_EQ(boundsOf(placed, f.left), (Rect{0, 11, 8, 43}));
    EXPECT_EQ(boundsOf(placed, f.right), (Rect{95, 11, 5, 43}));
    EXPECT_EQ(boundsOf(placed, f.loose), (Rect{-1, -1, -1, -1}));
}

TEST(Layout, a_hidden_shape_leaves_its_edge_to_the_others) {
    sim::testing::World world;
    Frame f(world.app);
    f.top2.setVisible(false);
    const auto placed = alignedShapeBounds(f, 100, 60);
    EXPECT_EQ(boundsOf(placed, f.top2), (Rect{-1, -1, -1, -1}));
    EXPECT_EQ(boundsOf(placed, f.left), (Rect{0, 8, 8, 46}));
}

TEST(Layout, a_centred_form_stands_in_the_middle_halves_rounded_down) {
    EXPECT_EQ(centredOn({10, 20, 305, 413}, 1024, 768), (Rect{359, 177, 305, 413}));
    EXPECT_EQ(centredOn({0, 0, 1100, 10}, 1024, 768), (Rect{-38, 379, 1100, 10}));
}

}  // namespace
}  // namespace zv
