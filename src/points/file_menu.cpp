// "Nuevo", "Abrir..." and "Guardar...": the point set from and to scan files.

#include "app/form_principal.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "platform/platform.h"
#include "points/anchor_lines.h"
#include "points/messages.h"
#include "platform/text.h"
#include "points/name_lines.h"
#include "points/picture_lines.h"
#include "points/scan_file.h"
#include "points/title_file_name.h"

namespace zv {

namespace {
// The mailbox is read through a 50-byte buffer.
constexpr size_t kMailboxTitleChars = 49;
}  // namespace

void FormPrincipal::MenuNuevoClick() {
    points.PointCount = 0;
    forgetNameRequests();
}

void FormPrincipal::MenuAbrirClick() {
    MenuGrabar.setEnabled(false);
    LoadScanFile("");
}

void FormPrincipal::LoadScanFile(const std::string& name) {
    std::string path = name;
    if (path.empty()) {
        FileDialogSpec spec;
        spec.title = "Abrir - Archivo Zentavoro";
        spec.filters = {{"Archivos zentavoro (*.zvo)", "*.zvo"}, {"Todo tipo de archivos (*.*)", "*.*"}};
        spec.mustExist = true;
        spec.hideReadOnly = true;
        auto chosen = platform().openFileDialog(spec);
        if (!chosen) return;
        path = *chosen;
    }
    // A file too large to be a scan file is refused unread, as one that cannot be read.
    auto bytes = platform().readFile(path, kLargestScanFile);
    if (!bytes) {
        showInfo(messages::kCannotOpen);
        return;
    }
    LoadedLines loaded = loadLines(*bytes);
    bytes.reset();
    MemoPelFitxer.setText(std::move(loaded.text));
    forgetNameRequests();
    switch (readScanFile(loaded.lines, points)) {
        case ScanFileError::Header: showInfo(messages::kNotOurFile); return;
        case ScanFileError::Label: showInfo(messages::kBadLabel); return;
        case ScanFileError::CountNotPositive: showInfo(messages::kCountNotPositive); return;
        case ScanFileError::Points: showInfo(messages::kBadPoints); return;
        case ScanFileError::None: break;
    }
    // The comment lines were dropped for reading the points; the windows they name are
    // read from the file's text as the line buffer keeps it.
    anchors = readAnchorLinesOf(MemoPelFitxer.text(), points.PointCount);
    names = readNameLinesOf(MemoPelFitxer.text(), points.PointCount);
    pictures = readPictureLinesOf(MemoPelFitxer.text(), points.PointCount);
    namesGivenInEditor = false;
    MenuEjecutarClick();
}

void FormPrincipal::MenuGuardarClick() {
    const std::string mailboxTitle = settings::read(keys::kSectionLibrary, keys::kWindowTitle, "");
    const std::string title = titleOfRecording(recordedTitle, mailboxTitle, kMailboxTitleChars);
    LastWindowTitle = title;
    FileDialogSpec spec;
    spec.title = "Guardar - Archivo Zentavoro";
    spec.filters = {{"fitxers zentavoro (*.zvo)", "*.zvo"}, {"Todo tipo de archivos (*.*)", "*.*"}};
    spec.defaultExtension = "zvo";
    spec.fileName = fileNameFromTitle(title);
    spec.askOverwrite = true;
    spec.hideReadOnly = true;
    spec.noReadOnlyResult = true;
    auto chosen = platform().saveFileDialog(spec);
    if (!chosen) return;
    awaitNamesOfPoints();
    std::vector<std::string> lines = scanFileLines(points);
    if (menuPointsFollowTheirWindow.checked()) {
        const std::vector<std::string> windows = anchorLines(anchors, points.PointCount);
        lines.insert(lines.end(), windows.begin(), windows.end());
    }
    if (menuSayEachPointsName.checked() || namesGivenInEditor) {
        const std::vector<std::string> named = nameLines(names, points.PointCount);
        lines.insert(lines.end(), named.begin(), named.end());
    }
    if (menuCheckPointBeforeClick.checked()) {
        const std::vector<std::string> spots = pictureLines(pictures, points.PointCount);
        lines.insert(lines.end(), spots.begin(), spots.end());
    }
    MemoPelFitxer.setLines(lines);
    if (const WriteResult written = platform().writeFile(*chosen, joinLines(lines)); !written)
        showInfo(messages::cannotWrite(utf8ToCp1252(*chosen), written));
}

}  // namespace zv
