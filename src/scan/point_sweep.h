#pragma once
// The sweep of point scanning: a line crosses the screen, the switch fixes it, and a
// narrow, slower sweep over a band round that place refines it; first across for x, then
// down for y. Time comes in as the tick count, so the line never drifts with the ticks of
// the timer that shows it, and a press is judged where the line stands at that moment.
// Nothing here knows a window or a platform: the toolbar drives it, and so does the
// benchmark of simulated users.

#include <cstdint>

namespace zv {

struct SweepTuning {
    // A whole coarse sweep lasts this many scan steps of the pace spin box.
    int coarseSteps = 10;
    // The refining band is the screen's extent divided by this.
    int bandDivisor = 10;
    // The refining sweep moves this many times slower than the coarse one; 0 leaves it out,
    // so that the coarse press alone fixes the line.
    int refineSlowdown = 4;
    // Sweeps in a row without a press, after which the line waits for one.
    int sweepsBeforePause = 3;
};

class PointSweep {
public:
    enum class Axis { X, Y };
    enum class Stage { Coarse, Refine };
    enum class Press {
        Resumed,  // the line was waiting: the press only set it going again
        Fixed,    // the line was fixed and the next sweep began
        Chosen,   // both coordinates are fixed: chosenX(), chosenY()
    };

    // stepMs: one scan step, the pace spin box's interval.
    PointSweep(int screenWidth, int screenHeight, uint32_t stepMs, SweepTuning tuning = {});

    // The coarse sweep for x, from the left edge, setting off at tick `now`; until then
    // the line waits at the edge.
    void start(uint32_t now);
    // Brings the line to where it stands at tick `now`: past the end of its sweep it starts
    // again from the other side, and after the last sweep allowed without a press it waits
    // at the start.
    void advanceTo(uint32_t now);
    // The switch at tick `now`. The sweep that follows waits `leadMs` at its start before it
    // sets off (the toolbar passes the minimum interval, during which a press would be
    // dropped anyway). After Chosen the sweep begins again with x.
    Press press(uint32_t now, uint32_t leadMs = 0);

    Axis axis() const { return axis_; }
    Stage stage() const { return stage_; }
    bool paused() const { return paused_; }
    // The moving line: a column while fixing x, a row while fixing y.
    int position() const { return position_; }
    // The column fixed for this point, while y is being fixed.
    int fixedX() const { return fixedX_; }
    int chosenX() const { return chosenX_; }
    int chosenY() const { return chosenY_; }
    // The stretch the line covers now: the whole screen while coarse, the band while refining.
    int sweepStart() const { return start_; }
    int sweepLength() const { return length_; }
    int sweepsWithoutPress() const { return sweeps_; }
    // How long one sweep of the current stage takes, in milliseconds.
    uint64_t sweepDuration() const;

private:
    int extent() const { return axis_ == Axis::X ? width_ : height_; }
    // The speed divisor of the current stage: the whole sweep's duration per screen extent.
    uint64_t msPerExtent() const;
    void begin(Axis axis, Stage stage, int start, int length, uint32_t now);
    void fix(int value, uint32_t setOff, Press& outcome);
    int offsetAt(uint64_t elapsed) const;

    int width_, height_;
    uint32_t stepMs_;
    SweepTuning tuning_;
    Axis axis_ = Axis::X;
    Stage stage_ = Stage::Coarse;
    bool paused_ = false;
    int start_ = 0, length_ = 0;
    uint32_t began_ = 0;
    int position_ = 0;
    int sweeps_ = 0;
    int fixedX_ = 0;
    int chosenX_ = 0, chosenY_ = 0;
};

}  // namespace zv
