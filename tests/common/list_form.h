#pragma once
// A form with a list, a text field and buttons with keys, for the tests of the bindings on
// each desktop: what the user does to it is counted here.

#include <string>
#include <vector>

#include "widgets/application.h"

namespace zv::testing {

class ListForm : public Form {
public:
    explicit ListForm(Application& app)
        : Form(app, "ListForm"), Points(this, "Points"), Name(this, "Name"), Delete(this, "Delete"), Undo(this, "Undo"),
          Hidden(this, "Hidden"), NameLabel(this, "NameLabel") {
        border = BorderStyle::Dialog;
        setBounds({150, 150, 420, 260});
        Points.setBounds({8, 8, 260, 150});
        Points.columns = {{"N", 30}, {"X", 50}, {"Ventana", 120}};
        Points.setRows({{"1", "120", "Calculadora"}, {"2", "300", "Se\xF1or"}, {"3", "500", ""}});
        Points.onSelect = [this] { selections.push_back(Points.selected()); };
        Name.setBounds({8, 170, 200, 22});
        Name.onChange = [this] { typed.push_back(Name.text()); };
        Delete.setBounds({280, 8, 100, 25});
        Delete.setCaption("&Borrar");
        Delete.onClick = [this] { ++deletes; };
        Undo.setBounds({280, 40, 100, 25});
        Undo.setCaption("&Deshacer");
        Undo.shortcut = "Ctrl+Z";
        Undo.onClick = [this] { ++undos; };
        Hidden.setBounds({280, 72, 100, 25});
        Hidden.setCaption("&Oculto");
        Hidden.setVisible(false);
        Hidden.onClick = [this] { ++hiddenClicks; };
        NameLabel.setBounds({8, 200, 80, 16});
        NameLabel.setCaption("&Nombre:");
        // Escape is the form's own key; the others it hears and leaves.
        onKeyDown = [this](const KeyChord& chord) {
            ownKeys.push_back(chord.vk);
            return chord.vk == 0x1B;
        };
    }
    ListView Points;
    Edit Name;
    Button Delete, Undo, Hidden;
    Label NameLabel;
    std::vector<int> selections, ownKeys;
    std::vector<std::string> typed;
    int deletes = 0, undos = 0, hiddenClicks = 0;
};

}  // namespace zv::testing
