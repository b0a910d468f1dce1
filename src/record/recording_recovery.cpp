// A recording survives a crash of the program or of the desktop: its points are kept in a
// file beside the settings file after each point, the next start offers them back, and a
// normal stop or close removes the file.

#include <algorithm>

#include "app/form_principal.h"
#include "platform/side_file.h"
#include "points/recovery_file.h"
#include "points/scan_file.h"

namespace zv {

namespace {

constexpr const char* kRecoveryExtension = ".recording";

std::string recoveryQuestion(int32_t count) {
    return "Zentavoro se cerr\xF3 mientras grababa. \xBFQuiere recuperar " +
           (count == 1 ? std::string("el punto grabado") : "los " + std::to_string(count) + " puntos grabados") +
           "?\n\nS\xED: vuelven, para guardarlos o ejecutarlos.\nNo: se descartan.";
}

}  // namespace

void FormPrincipal::keepRecording() {
    // Failing to keep the copy must never hold the recording up: it only costs the copy.
    (void)SideFile(kRecoveryExtension).write(recoveryText(points, anchors, recordedTitle));
}

void FormPrincipal::dropRecording() { SideFile(kRecoveryExtension).remove(); }

void FormPrincipal::offerRecoveredRecording() {
    const SideFile file(kRecoveryExtension);
    const auto text = file.read(kLargestScanFile);
    if (!text) return;
    if (auto recording = readRecovery(*text); recording && askYesNo(recoveryQuestion(recording->points.PointCount))) {
        // As when the recording stops: the points are in memory, to be saved or scanned.
        const int32_t count = recording->points.PointCount;
        std::copy_n(recording->points.Points.begin(), count, points.Points.begin());
        points.PointCount = count;
        anchors = std::move(recording->anchors);
        recordedTitle = std::move(recording->title);
        MenuGuardar.setEnabled(true);
    }
    file.remove();
}

}  // namespace zv
