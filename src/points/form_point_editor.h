#pragma once
// The point editor: the points of the current set in a list, and what the carer can do to
// each of them without recording the whole set again. Every change is made in the main
// window's set at once and can be taken back; the markers show the points on the screen
// while the editor is open.

#include "points/point_edits.h"
#include "widgets/form.h"

namespace zv {

class FormPrincipal;

class FormPointEditor : public Form {
public:
    FormPointEditor(Application& app, FormPrincipal& principal);

    ListView pointList;
    Button buttonTry, buttonPlaceAgain, buttonAdd, buttonDelete, buttonUp, buttonDown, buttonUndo, buttonClose;
    Label labelHelp;
    // The selected point's name, and the button that gives it (Enter does as well).
    Label labelName;
    Edit editName;
    Button buttonRename;

    // Shows the editor over the set as it is now, with no change to take back yet.
    void open();
    // The captions of the interface language (lang::Language).
    void applyLanguage(int language);

    void FormShow();
    void FormClose();
    void pointListSelect();
    void buttonTryClick();
    void buttonPlaceAgainClick();
    void buttonAddClick();
    void buttonDeleteClick();
    void buttonUpClick();
    void buttonDownClick();
    void buttonUndoClick();
    void buttonRenameClick();
    void buttonCloseClick();

private:
    // The list and the markers as the set is now, with `row` selected where it exists.
    void refresh(int row);
    void showSelection();
    // The next click anywhere on the screen is the place: of the selected point, or of a
    // new point after it. The editor steps aside meanwhile.
    void placeByClick(bool adding);
    void backFromClick(int row);

    FormPrincipal& principal_;
    PointEdits edits_;
};

}  // namespace zv
