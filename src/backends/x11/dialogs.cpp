// The dialogs: Qt's own file and colour dialogs and message boxes, owned by the window
// in front of ours so that they stay above it.

#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "backends/x11/conversions.h"
#include "backends/x11/x11_platform.h"
#include "platform/text.h"

namespace zv::x11 {

std::optional<std::string> X11Platform::fileDialog(const FileDialogSpec& spec, bool save) {
    QFileDialog dialog(dialogOwner(), qtText(spec.title));
    // Qt's own dialog: the same on every desktop, and it keeps to the options below.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(spec.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !spec.askOverwrite);
    if (!spec.filters.empty()) dialog.setNameFilters(qtNameFilters(spec.filters));
    if (!spec.defaultExtension.empty()) dialog.setDefaultSuffix(qtText(spec.defaultExtension));
    dialog.setDirectory(QDir::currentPath());
    if (!spec.fileName.empty()) dialog.selectFile(QFile::decodeName(QByteArray::fromStdString(spec.fileName)));
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        const QString chosen = dialog.selectedFiles().first();
        const QFileInfo info(chosen);
        if (spec.noReadOnlyResult && info.exists() && !info.isWritable()) {
            QMessageBox::warning(&dialog, dialog.windowTitle(),
                                 chosen + QStringLiteral("\nEl archivo es de sólo lectura.\nUse otro nombre de archivo."));
            continue;
        }
        return QFile::encodeName(chosen).toStdString();
    }
}

std::optional<std::string> X11Platform::openFileDialog(const FileDialogSpec& spec) { return fileDialog(spec, false); }

std::optional<std::string> X11Platform::saveFileDialog(const FileDialogSpec& spec) { return fileDialog(spec, true); }

std::optional<uint32_t> X11Platform::colorDialog(uint32_t initial) {
    QColorDialog dialog(QColor(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF), dialogOwner());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QColor c = dialog.selectedColor();
    return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
           (static_cast<uint32_t>(c.blue()) << 16);
}

void X11Platform::messageBox(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Information, qtText(title), qtText(text), QMessageBox::Ok, dialogOwner());
    box.exec();
}

bool X11Platform::questionBox(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::Question, qtText(title), qtText(text), QMessageBox::Yes | QMessageBox::No, dialogOwner());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void X11Platform::errorReport(const std::string& text) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Zentavoro"), qtText(text), QMessageBox::Ok, dialogOwner());
    box.exec();
}

}  // namespace zv::x11
