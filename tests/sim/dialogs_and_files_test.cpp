#include <gtest/gtest.h>

#include <fstream>

#include "backends/sim/failure.h"
#include "sim_forms.h"

namespace zv::sim::testing {
namespace {

FileDialogSpec saveSpec(const std::string& proposed) {
    FileDialogSpec spec;
    spec.title = "Guardar - Archivo Zentavoro";
    spec.defaultExtension = "zvo";
    spec.fileName = proposed;
    return spec;
}

TEST(Dialogs, answers_are_taken_in_order_and_each_dialog_is_recorded) {
    World world;
    SimDialogs& dialogs = world.platform.dialogs();
    dialogs.answerOpen("uno.zvo");
    dialogs.answerOpen(std::nullopt);
    dialogs.answerColor(16711680);
    EXPECT_EQ(world.platform.openFileDialog({}), std::optional<std::string>("uno.zvo"));
    EXPECT_EQ(world.platform.openFileDialog({}), std::nullopt);
    EXPECT_EQ(world.platform.colorDialog(255), std::optional<uint32_t>(16711680));
    ASSERT_EQ(dialogs.dialogs().size(), 3u);
    EXPECT_EQ(dialogs.dialogs()[2].kind, "color");
    EXPECT_EQ(dialogs.dialogs()[2].initial, "255");
}

TEST(Dialogs, a_cancel_of_no_kind_goes_to_the_first_file_or_colour_dialog_in_turn) {
    World world;
    SimDialogs& dialogs = world.platform.dialogs();
    dialogs.answerSave("tarde.zvo");
    dialogs.answerCancel();
    dialogs.answerSize(200, 100);
    dialogs.answerOpen("despues.zvo");
    EXPECT_EQ(world.platform.openFileDialog({}), std::nullopt);   // the cancel came first
    EXPECT_EQ(world.platform.openFileDialog({}), std::optional<std::string>("despues.zvo"));
    EXPECT_EQ(world.platform.saveFileDialog(saveSpec("")), std::optional<std::string>("tarde.zvo"));
    EXPECT_EQ(dialogs.chooseSize(83, 183), std::make_pair(200, 100));
    EXPECT_THROW(dialogs.chooseSize(83, 183), SimFailure);
}

TEST(Dialogs, the_save_dialog_adds_the_default_extension_only_to_a_bare_name) {
    World world;
    SimDialogs& dialogs = world.platform.dialogs();
    dialogs.answerSave("carta");
    dialogs.answerSave("carta.txt");
    dialogs.answerSave("C:\\Mis.scans\\carta");
    dialogs.answerSave("no/such/folder/nota");
    EXPECT_EQ(world.platform.saveFileDialog(saveSpec("Calculadora")), "carta.zvo");
    EXPECT_EQ(world.platform.saveFileDialog(saveSpec("")), "carta.txt");
    EXPECT_EQ(world.platform.saveFileDialog(saveSpec("")), "C:\\Mis.scans\\carta.zvo");
    EXPECT_EQ(world.platform.saveFileDialog(saveSpec("")), "no/such/folder/nota.zvo");
    EXPECT_EQ(dialogs.dialogs().front().initial, "Calculadora");
}

TEST(Dialogs, a_dialog_nobody_answers_fails_the_scenario_through_the_program_s_handlers) {
    World world;
    // The program's dispatch boundary reports std::exception and carries on: the
    // scenario's failure must get past it.
    bool passedThrough = false;
    try {
        world.app.dispatch([&] { world.platform.saveFileDialog(saveSpec("x")); });
    } catch (const SimFailure& failure) {
        passedThrough = true;
        EXPECT_EQ(failure.why, "a file-save dialog opened with no answer queued");
    }
    EXPECT_TRUE(passedThrough);
    EXPECT_TRUE(world.platform.dialogs().errors().empty());
}

TEST(Dialogs, message_boxes_and_error_reports_are_recorded_and_answered_at_once) {
    World world;
    world.platform.messageBox("No hay puntos", "Brisal 2001 - Zentavoro");
    world.app.dispatch([] { throw std::runtime_error("'abc' is not a valid integer value"); });
    ASSERT_EQ(world.platform.dialogs().messages().size(), 1u);
    EXPECT_EQ(world.platform.dialogs().messages().front().title, "Brisal 2001 - Zentavoro");
    ASSERT_EQ(world.platform.dialogs().errors().size(), 1u);
    world.platform.clearRecords();
    EXPECT_TRUE(world.platform.dialogs().messages().empty());
    EXPECT_TRUE(world.platform.dialogs().errors().empty());
}

TEST(Files, the_program_cannot_write_a_read_only_file_but_the_world_can) {
    World world;
    ASSERT_TRUE(world.platform.writeFile("carta.zvo", "uno"));
    world.platform.files().setReadOnly("carta.zvo");
    EXPECT_FALSE(world.platform.writeFile("carta.zvo", "dos"));
    EXPECT_FALSE(world.platform.writeFile((world.folder / "carta.zvo").string(), "dos"));
    EXPECT_EQ(world.platform.readFile("carta.zvo", 100), std::optional<std::string>("uno"));
    EXPECT_TRUE(SimFiles::writeAnyway("carta.zvo", "tres"));
    EXPECT_EQ(world.platform.readFile("carta.zvo", 100), std::optional<std::string>("tres"));
    EXPECT_EQ(world.platform.readFile("otra.zvo", 100), std::nullopt);
    // The world makes the folders it needs; the program does not.
    EXPECT_FALSE(world.platform.writeFile("nueva/carta.zvo", "x"));
    EXPECT_TRUE(SimFiles::writeAnyway("nueva/carta.zvo", "x"));
    EXPECT_EQ(world.platform.readFile("nueva/carta.zvo", 100), std::optional<std::string>("x"));
    // A file larger than the reader will take is not read at all.
    EXPECT_EQ(world.platform.readFile("carta.zvo", 4), std::optional<std::string>("tres"));
    EXPECT_EQ(world.platform.readFile("carta.zvo", 3), std::nullopt);
}

TEST(Files, a_folder_lists_its_plain_files_by_their_utf8_names) {
    World world;
    world.platform.writeFile("M\xC3\xBAsica.zvo", "x");
    world.platform.writeFile("\xE8\xAE\xA1\xE7\xAE\x97\xE5\x99\xA8.zvo", "x");   // 计算器
    world.platform.writeFile("CALC.ZVO", "x");
    world.platform.writeFile("nota.txt", "x");
    world.platform.writeFile(".zvo", "x");
    std::filesystem::create_directory(world.folder / "carpeta.zvo");
    EXPECT_TRUE(std::filesystem::exists(world.folder / std::filesystem::path(u8"M\u00FAsica.zvo")));
    EXPECT_TRUE(std::filesystem::exists(world.folder / std::filesystem::path(u8"\u8BA1\u7B97\u5668.zvo")));
    auto names = world.platform.listFiles(world.platform.currentDirectory());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".zvo", "CALC.ZVO", "M\xC3\xBAsica.zvo", "nota.txt",
                                               "\xE8\xAE\xA1\xE7\xAE\x97\xE5\x99\xA8.zvo"}));
    EXPECT_EQ(world.platform.readFile("\xE8\xAE\xA1\xE7\xAE\x97\xE5\x99\xA8.zvo", 10), std::optional<std::string>("x"));
}

TEST(Files, the_current_directory_can_be_changed_and_restored) {
    World world;
    const std::string start = world.platform.currentDirectory();
    std::filesystem::create_directory(world.folder / "sub");
    EXPECT_TRUE(world.platform.setCurrentDirectory("sub"));
    EXPECT_NE(world.platform.currentDirectory(), start);
    EXPECT_TRUE(world.platform.setCurrentDirectory(start));
    EXPECT_FALSE(world.platform.setCurrentDirectory("missing-folder"));
    EXPECT_EQ(world.platform.currentDirectory(), start);
}

}  // namespace
}  // namespace zv::sim::testing
