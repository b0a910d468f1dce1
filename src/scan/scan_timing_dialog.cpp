#include "scan/scan_timing_dialog.h"

#include "app/settings.h"
#include "app/settings_keys.h"
#include "lang/captions.h"
#include "platform/numbers.h"

namespace zv {

ScanTimingDialog::ScanTimingDialog(Application& app)
    : Form(app, "ScanTimingDialog"),
      labelFirstItemPause(this, "labelFirstItemPause"),
      spinEditFirstItemPause(this, "spinEditFirstItemPause", 0, kMaxFirstItemPause, 0),
      labelRoundsBeforeWait(this, "labelRoundsBeforeWait"),
      spinEditRoundsBeforeWait(this, "spinEditRoundsBeforeWait", 0, kMaxRoundsBeforeWait, 0),
      buttonOk(this, "buttonOk") {
    border = BorderStyle::Dialog;
    centred = true;
    minimizeBox = maximizeBox = false;
    font = {"MS Sans Serif", 11, false, 0};
    designClientWidth = 400;
    designClientHeight = 124;
    setBounds({0, 0, 406, 153});
    labelFirstItemPause.setBounds({12, 16, 320, 16});
    spinEditFirstItemPause.setBounds({344, 10, 44, 26});
    labelRoundsBeforeWait.setBounds({12, 52, 320, 16});
    spinEditRoundsBeforeWait.setBounds({344, 46, 44, 26});
    buttonOk.setBounds({161, 86, 77, 27});
    applyLanguage(lang::Spanish);

    spinEditFirstItemPause.onChange = [this] { spinEditFirstItemPauseChange(); };
    spinEditRoundsBeforeWait.onChange = [this] { spinEditRoundsBeforeWaitChange(); };
    buttonOk.onClick = [this] { buttonOkClick(); };
}

void ScanTimingDialog::loadStored() {
    auto stored = [](const char* key, int most) {
        const auto v = wholeDecimal(settings::read(keys::kSectionOptions, key, "0"));
        return v && *v >= 0 && *v <= most ? *v : 0;
    };
    loading_ = true;
    spinEditFirstItemPause.setValue(stored(keys::kFirstItemPause, kMaxFirstItemPause));
    spinEditRoundsBeforeWait.setValue(stored(keys::kRoundsBeforeWait, kMaxRoundsBeforeWait));
    loading_ = false;
}

void ScanTimingDialog::spinEditFirstItemPauseChange() {
    if (!loading_)
        settings::write(keys::kSectionOptions, keys::kFirstItemPause, std::to_string(spinEditFirstItemPause.value()));
}

void ScanTimingDialog::spinEditRoundsBeforeWaitChange() {
    if (!loading_)
        settings::write(keys::kSectionOptions, keys::kRoundsBeforeWait, std::to_string(spinEditRoundsBeforeWait.value()));
}

void ScanTimingDialog::buttonOkClick() { close(); }

void ScanTimingDialog::applyLanguage(int language) {
    for (const lang::MoreEntry& entry : lang::timingDialogTexts()) {
        Widget* w = entry.name == name() ? static_cast<Widget*>(this) : find(entry.name);
        if (w) w->setCaption(entry.captions[static_cast<size_t>(language)]);
    }
}

}  // namespace zv
