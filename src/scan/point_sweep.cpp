#include "scan/point_sweep.h"

#include <algorithm>

namespace zv {

PointSweep::PointSweep(int screenWidth, int screenHeight, uint32_t stepMs, SweepTuning tuning)
    : width_(std::max(1, screenWidth)),
      height_(std::max(1, screenHeight)),
      stepMs_(std::max<uint32_t>(1, stepMs)),
      tuning_(tuning) {
    tuning_.coarseSteps = std::max(1, tuning_.coarseSteps);
    tuning_.bandDivisor = std::max(1, tuning_.bandDivisor);
    tuning_.refineSlowdown = std::max(0, tuning_.refineSlowdown);
    tuning_.sweepsBeforePause = std::max(1, tuning_.sweepsBeforePause);
    start(0);
}

uint64_t PointSweep::msPerExtent() const {
    const uint64_t coarse = static_cast<uint64_t>(tuning_.coarseSteps) * stepMs_;
    return stage_ == Stage::Coarse ? coarse : coarse * static_cast<uint64_t>(tuning_.refineSlowdown);
}

// The first moment at which the line has gone past the end of its stretch.
uint64_t PointSweep::sweepDuration() const {
    const uint64_t scaled = static_cast<uint64_t>(length_) * msPerExtent();
    return (scaled + static_cast<uint64_t>(extent()) - 1) / static_cast<uint64_t>(extent());
}

int PointSweep::offsetAt(uint64_t elapsed) const {
    return static_cast<int>(elapsed * static_cast<uint64_t>(extent()) / msPerExtent());
}

void PointSweep::begin(Axis axis, Stage stage, int start, int length, uint32_t now) {
    axis_ = axis;
    stage_ = stage;
    start_ = start;
    length_ = length;
    began_ = now;
    position_ = start;
    sweeps_ = 0;
    paused_ = false;
}

void PointSweep::start(uint32_t now) { begin(Axis::X, Stage::Coarse, 0, width_, now); }

void PointSweep::advanceTo(uint32_t now) {
    if (paused_) return;
    // Differences of the tick count, so that its wrap is harmless.
    if (static_cast<int32_t>(now - began_) < 0) {
        position_ = start_;
        return;
    }
    uint64_t elapsed = static_cast<uint32_t>(now - began_);
    const uint64_t duration = sweepDuration();
    while (elapsed >= duration) {
        ++sweeps_;
        began_ += static_cast<uint32_t>(duration);
        elapsed -= duration;
        if (sweeps_ >= tuning_.sweepsBeforePause) {
            // Nobody is answering: the line waits at the start instead of running on.
            paused_ = true;
            position_ = start_;
            return;
        }
    }
    position_ = start_ + std::min(offsetAt(elapsed), length_ - 1);
}

void PointSweep::fix(int value, uint32_t setOff, Press& outcome) {
    outcome = Press::Fixed;
    if (axis_ == Axis::X) {
        fixedX_ = value;
        begin(Axis::Y, Stage::Coarse, 0, height_, setOff);
        return;
    }
    chosenX_ = fixedX_;
    chosenY_ = value;
    outcome = Press::Chosen;
    start(setOff);
}

PointSweep::Press PointSweep::press(uint32_t now, uint32_t leadMs) {
    advanceTo(now);
    const uint32_t setOff = now + leadMs;
    if (paused_) {
        begin(axis_, stage_, start_, length_, setOff);
        return Press::Resumed;
    }
    Press outcome = Press::Fixed;
    const int at = position_;
    if (stage_ == Stage::Coarse && tuning_.refineSlowdown > 0) {
        // The band is centred on the press, kept inside the screen: a press made a little
        // late or early leaves the place the user meant inside it.
        const int band = std::max(1, extent() / tuning_.bandDivisor);
        const int from = std::clamp(at - band / 2, 0, std::max(0, extent() - band));
        begin(axis_, Stage::Refine, from, std::min(band, extent()), setOff);
        return outcome;
    }
    fix(at, setOff, outcome);
    return outcome;
}

}  // namespace zv
