#include "scan/scan_timing_dialog.h"

#include "app/settings.h"
#include "app/settings_keys.h"
#include "lang/captions.h"
#include "platform/numbers.h"

namespace zv {

ScanTimingDialog::ScanTimingDialog(Application& app)
    : Form(app, "ScanTimingDialog"),
      LabelFirstItemPause(this, "LabelFirstItemPause"),
      SpinEditFirstItemPause(this, "SpinEditFirstItemPause", 0, kMaxFirstItemPause, 0),
      LabelRoundsBeforeWait(this, "LabelRoundsBeforeWait"),
      SpinEditRoundsBeforeWait(this, "SpinEditRoundsBeforeWait", 0, kMaxRoundsBeforeWait, 0),
      ButtonOK(this, "ButtonOK") {
    border = BorderStyle::Dialog;
    centred = true;
    minimizeBox = maximizeBox = false;
    font = {"MS Sans Serif", 11, false, 0};
    designClientWidth = 400;
    designClientHeight = 124;
    setBounds({0, 0, 406, 153});
    LabelFirstItemPause.setBounds({12, 16, 320, 16});
    SpinEditFirstItemPause.setBounds({344, 10, 44, 26});
    LabelRoundsBeforeWait.setBounds({12, 52, 320, 16});
    SpinEditRoundsBeforeWait.setBounds({344, 46, 44, 26});
    ButtonOK.setBounds({161, 86, 77, 27});
    applyLanguage(lang::Spanish);

    SpinEditFirstItemPause.onChange = [this] { SpinEditFirstItemPauseChange(); };
    SpinEditRoundsBeforeWait.onChange = [this] { SpinEditRoundsBeforeWaitChange(); };
    ButtonOK.onClick = [this] { ButtonOKClick(); };
}

void ScanTimingDialog::loadStored() {
    auto stored = [](const char* key, int most) {
        const auto v = wholeDecimal(settings::read(keys::kSectionOptions, key, "0"));
        return v && *v >= 0 && *v <= most ? *v : 0;
    };
    loading_ = true;
    SpinEditFirstItemPause.setValue(stored(keys::kFirstItemPause, kMaxFirstItemPause));
    SpinEditRoundsBeforeWait.setValue(stored(keys::kRoundsBeforeWait, kMaxRoundsBeforeWait));
    loading_ = false;
}

void ScanTimingDialog::SpinEditFirstItemPauseChange() {
    if (!loading_)
        settings::write(keys::kSectionOptions, keys::kFirstItemPause, std::to_string(SpinEditFirstItemPause.value()));
}

void ScanTimingDialog::SpinEditRoundsBeforeWaitChange() {
    if (!loading_)
        settings::write(keys::kSectionOptions, keys::kRoundsBeforeWait, std::to_string(SpinEditRoundsBeforeWait.value()));
}

void ScanTimingDialog::ButtonOKClick() { close(); }

void ScanTimingDialog::applyLanguage(int language) {
    for (const lang::MoreEntry& entry : lang::timingDialogTexts()) {
        Widget* w = entry.name == name() ? static_cast<Widget*>(this) : find(entry.name);
        if (w) w->setCaption(entry.captions[static_cast<size_t>(language)]);
    }
}

}  // namespace zv
