#include <gtest/gtest.h>

#include <filesystem>

#include "app/form_principal.h"
#include "app/program.h"
#include "backends/sim/environment.h"
#include "backends/sim/platform.h"
#include "lang/captions.h"

namespace zv {
namespace {

class StartedProgram : public ::testing::Test {
protected:
    void SetUp() override {
        folder = sim::makeFreshFolder("zentavoro-program-test-");
        previous = std::filesystem::current_path();
        std::filesystem::current_path(folder);
        sim::setEnvironment("ZENTAVORO_INI", (folder / "Zentavoro.ini").string());
        program = std::make_unique<Program>(platform);
        platform.processStarted(program->application());
        ASSERT_TRUE(program->start({}));
        main = program->mainWindow();
    }
    void TearDown() override {
        program.reset();
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(folder);
    }
    std::filesystem::path folder, previous;
    sim::SimPlatform platform;
    std::unique_ptr<Program> program;
    FormPrincipal* main = nullptr;
};

TEST_F(StartedProgram, the_further_options_stand_after_every_entry_of_the_options_menu) {
    const auto entries = main->MenuOpciones.items();
    ASSERT_GE(entries.size(), 2u);
    EXPECT_EQ(entries.back(), &main->MenuMasOpciones);
    EXPECT_EQ(entries[entries.size() - 2], &main->N13);
    EXPECT_TRUE(main->N13.separator());
    EXPECT_EQ(entries[entries.size() - 3], &main->MenuIntercambiarBotonesMouse);
}

TEST_F(StartedProgram, every_further_entry_has_its_spanish_caption_before_a_language_and_its_own_after) {
    for (const lang::MoreEntry& entry : lang::moreEntries()) {
        Widget* w = main->find(entry.name);
        ASSERT_NE(w, nullptr) << entry.name;
        EXPECT_EQ(w->caption(), entry.captions[lang::Spanish]) << entry.name;
    }
    main->MenuEnglishClick();
    for (const lang::MoreEntry& entry : lang::moreEntries())
        EXPECT_EQ(main->find(entry.name)->caption(), entry.captions[lang::English]) << entry.name;
    main->MenuCastellanoClick();
    for (const lang::MoreEntry& entry : lang::moreEntries())
        EXPECT_EQ(main->find(entry.name)->caption(), entry.captions[lang::Spanish]) << entry.name;
}

}  // namespace
}  // namespace zv
