#include "points/form_point_editor.h"

#include <algorithm>

#include "app/form_principal.h"
#include "lang/captions.h"
#include "platform/text.h"
#include "points/point_list.h"
#include "widgets/key_chord.h"

namespace zv {

FormPointEditor::FormPointEditor(Application& app, FormPrincipal& principal)
    : Form(app, "FormPointEditor"),
      pointList(this, "pointList"),
      buttonTry(this, "buttonTry"),
      buttonPlaceAgain(this, "buttonPlaceAgain"),
      buttonAdd(this, "buttonAdd"),
      buttonDelete(this, "buttonDelete"),
      buttonUp(this, "buttonUp"),
      buttonDown(this, "buttonDown"),
      buttonUndo(this, "buttonUndo"),
      buttonClose(this, "buttonClose"),
      labelHelp(this, "labelHelp"),
      labelName(this, "labelName"),
      editName(this, "editName"),
      buttonRename(this, "buttonRename"),
      principal_(principal),
      edits_({principal.points, principal.anchors, principal.names, principal.pictures}) {
    setCaption("Editar puntos - Zentavoro");
    border = BorderStyle::Dialog;
    centred = true;
    minimizeBox = maximizeBox = false;
    font = {"MS Sans Serif", 11, false, 0};
    designClientWidth = 436;
    designClientHeight = 328;
    setBounds({0, 0, 442, 357});

    pointList.setBounds({8, 8, 300, 250});
    pointList.columns = pointListColumns();
    // The buttons in a column, a wider gap after each group: the point itself, its place in
    // the order, taking back, closing.
    struct Design {
        Button& button;
        const char* caption;
        void (FormPointEditor::*handler)();
        int gapAfter;
    };
    const Design buttons[] = {
        {buttonTry, "&Probar", &FormPointEditor::buttonTryClick, 5},
        {buttonPlaceAgain, "&Colocar de nuevo", &FormPointEditor::buttonPlaceAgainClick, 5},
        {buttonAdd, "&A\xF1" "adir", &FormPointEditor::buttonAddClick, 5},
        {buttonDelete, "&Borrar", &FormPointEditor::buttonDeleteClick, 11},
        {buttonUp, "&Subir", &FormPointEditor::buttonUpClick, 5},
        {buttonDown, "Ba&jar", &FormPointEditor::buttonDownClick, 11},
        {buttonUndo, "&Deshacer", &FormPointEditor::buttonUndoClick, 11},
        {buttonClose, "C&errar", &FormPointEditor::buttonCloseClick, 0},
    };
    int top = 8;
    for (const Design& d : buttons) {
        d.button.setBounds({318, top, 110, 25});
        d.button.setCaption(d.caption);
        d.button.onClick = [this, handler = d.handler] { (this->*handler)(); };
        top += 25 + d.gapAfter;
    }
    buttonUndo.shortcut = "Ctrl+Z";
    labelName.setBounds({8, 267, 56, 16});
    labelName.setCaption("&Nombre:");
    editName.setBounds({64, 264, 244, 21});
    editName.maxLength = static_cast<int>(kLongestName);
    buttonRename.setBounds({318, 262, 110, 25});
    buttonRename.setCaption("&Renombrar");
    editName.onEnter = [this] { buttonRenameClick(); };
    buttonRename.onClick = [this] { buttonRenameClick(); };
    labelHelp.setBounds({8, 292, 420, 30});
    labelHelp.wordWrap = true;
    labelHelp.setCaption(
        "Colocar de nuevo y A\xF1" "adir toman el pr\xF3ximo clic (Esc lo cancela).\r\n"
        "Archivo > Guardar guarda los cambios en el fichero.");

    pointList.onSelect = [this] { pointListSelect(); };
    onShow = [this] { FormShow(); };
    // The label's access key takes the keyboard to its field, as a dialog's label does.
    onKeyDown = [this](const KeyChord& chord) {
        if (!chord.alt || chord.ctrl || chord.vk != accessKeyOf(labelName.caption()) || !editName.reachable()) return false;
        editName.takeFocus();
        return true;
    };
    onClose = [this] { FormClose(); };
}

void FormPointEditor::open() {
    // A set recorded or loaded since the last opening is another set: what was done to
    // the one before cannot be taken back into it.
    edits_.forget();
    applyLanguage(principal_.activeLanguage());
    refresh(0);
    show();
    bringToFront();
}

void FormPointEditor::FormShow() { refresh(pointList.selected()); }

void FormPointEditor::FormClose() { principal_.pointEditorClosed(); }

void FormPointEditor::refresh(int row) {
    pointList.setRows(pointListRows(edits_.records()));
    const int count = static_cast<int>(pointList.rows().size());
    pointList.setSelected(count == 0 ? -1 : std::clamp(row, 0, count - 1));
    showSelection();
}

void FormPointEditor::showSelection() {
    const int row = pointList.selected();
    const int count = principal_.points.PointCount;
    const bool chosen = row >= 0 && row < count;
    buttonTry.setEnabled(chosen);
    buttonPlaceAgain.setEnabled(chosen);
    buttonDelete.setEnabled(chosen);
    buttonUp.setEnabled(chosen && row > 0);
    buttonDown.setEnabled(chosen && row + 1 < count);
    buttonAdd.setEnabled(count < PointSet::kCapacity);
    editName.setEnabled(chosen);
    buttonRename.setEnabled(chosen);
    // What the field shows in code page 1252 is what the point is called; a character the
    // code page lacks shows as a question mark, and an unchanged field renames nothing.
    editName.setText(chosen ? utf8ToCp1252(principal_.names.nameOf(row)) : std::string());
    buttonUndo.setEnabled(edits_.canUndo());
    principal_.showPointMarkers(row);
}

void FormPointEditor::pointListSelect() { showSelection(); }

void FormPointEditor::buttonTryClick() {
    const int row = pointList.selected();
    if (row < 0 || row >= principal_.points.PointCount) return;
    const auto [x, y] = principal_.placedPoint(row);
    principal_.placePointer(x, y);
}

void FormPointEditor::placeByClick(bool adding) {
    const int row = pointList.selected();
    if (!adding && (row < 0 || row >= principal_.points.PointCount)) return;
    // With no point selected a new one goes at the end.
    const int after = adding && row < 0 ? principal_.points.PointCount - 1 : row;
    // The toolbar's title tells what the next click does, and how to give it up.
    const std::string what =
        (adding ? "A\xF1" "adir " + std::to_string(after + 2) : "Colocar " + std::to_string(row + 1)) + " (Esc)";
    hide();
    principal_.takeNextClick(
        what,
        [this, adding, row, after](int x, int y) {
            const auto window = principal_.windowToNote(x, y);
            if (adding) {
                const bool added = edits_.insertAfter(after, x, y, window);
                if (added) {
                    principal_.nameEditedPoint(after + 1, x, y);
                    principal_.takeSpotPicture(after + 1, x, y);
                }
                backFromClick(added ? after + 1 : row);
            } else {
                // The point keeps its name: it is the same element, found again. One without a
                // name is asked for one as a recorded point is.
                if (edits_.place(row, x, y, window)) {
                    if (principal_.names.nameOf(row).empty()) principal_.nameEditedPoint(row, x, y);
                    principal_.takeSpotPicture(row, x, y);
                }
                backFromClick(row);
            }
        },
        [this, row] { backFromClick(row); });
}

void FormPointEditor::backFromClick(int row) {
    refresh(row);
    show();
    bringToFront();
}

void FormPointEditor::buttonPlaceAgainClick() { placeByClick(false); }
void FormPointEditor::buttonAddClick() { placeByClick(true); }

void FormPointEditor::buttonDeleteClick() {
    const int row = pointList.selected();
    if (edits_.remove(row)) refresh(row);
}

void FormPointEditor::buttonUpClick() {
    const int row = pointList.selected();
    if (edits_.moveUp(row)) refresh(row - 1);
}

void FormPointEditor::buttonDownClick() {
    const int row = pointList.selected();
    if (edits_.moveDown(row)) refresh(row + 1);
}

void FormPointEditor::buttonUndoClick() {
    if (edits_.undo()) refresh(pointList.selected());
}

void FormPointEditor::buttonRenameClick() {
    const int row = pointList.selected();
    if (row < 0 || row >= principal_.points.PointCount) return;
    const std::string& now = principal_.names.nameOf(row);
    // The field showed the name with question marks for what the code page lacks: left as
    // it was shown, the name keeps its characters.
    if (editName.text() == utf8ToCp1252(now)) return;
    if (edits_.rename(row, tidyName(cp1252ToUtf8(editName.text())))) {
        principal_.namesGivenInEditor = true;
        refresh(row);
    }
}

void FormPointEditor::buttonCloseClick() { close(); }

void FormPointEditor::applyLanguage(int language) {
    for (const lang::MoreEntry& entry : lang::pointEditorTexts())
        if (Widget* w = find(entry.name)) w->setCaption(entry.captions[static_cast<size_t>(language)]);
}

}  // namespace zv
