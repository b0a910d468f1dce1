#pragma once
// "Tiempos del barrido": the timing of every way of scanning, linear or by groups. A longer
// stay on the first item of each round, and the rounds without a press after which scanning
// waits on the first item. Both in tenths or rounds, 0 for off, stored as soon as changed.

#include "widgets/form.h"

namespace zv {

class ScanTimingDialog : public Form {
public:
    static constexpr int kMaxFirstItemPause = 50;  // tenths of a second
    static constexpr int kMaxRoundsBeforeWait = 20;

    explicit ScanTimingDialog(Application& app);

    Label labelFirstItemPause;
    SpinEdit spinEditFirstItemPause;
    Label labelRoundsBeforeWait;
    SpinEdit spinEditRoundsBeforeWait;
    Button buttonOk;

    // The stored values at start-up: a value that is not a whole decimal number within the
    // spin box's limits is off. Nothing is written.
    void loadStored();
    void spinEditFirstItemPauseChange();
    void spinEditRoundsBeforeWaitChange();
    void buttonOkClick();
    void applyLanguage(int language);

    uint32_t firstItemPauseMs() const { return static_cast<uint32_t>(spinEditFirstItemPause.value()) * 100; }
    int roundsBeforeWait() const { return spinEditRoundsBeforeWait.value(); }

private:
    bool loading_ = false;
};

}  // namespace zv
