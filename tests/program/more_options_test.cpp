#include "lang/captions.h"
#include "program_world.h"
#include "points/form_point_editor.h"

namespace zv {
namespace {

class StartedProgram : public testing::ProgramWorld {
protected:
    void SetUp() override { startProgram({}); }
};

TEST_F(StartedProgram, the_further_options_stand_after_every_entry_of_the_options_menu) {
    const auto entries = main->MenuOpciones.items();
    ASSERT_GE(entries.size(), 2u);
    EXPECT_EQ(entries.back(), &main->menuMoreOptions);
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

TEST_F(StartedProgram, the_editors_entry_has_an_access_key_of_its_own_in_the_file_menu_of_every_language) {
    for (int language = 0; language < lang::LanguageCount; ++language) {
        main->applyLanguage(language);
        const int own = accessKeyOf(main->menuEditPoints.caption());
        EXPECT_NE(own, 0) << language;
        for (MenuItem* entry : main->MenuArchivo.items()) {
            if (entry == &main->menuEditPoints || entry->separator()) continue;
            EXPECT_NE(accessKeyOf(entry->caption()), own) << language << " " << entry->name();
        }
    }
}

}  // namespace
}  // namespace zv

namespace zv {
namespace {

TEST_F(StartedProgram, the_editors_name_field_has_its_captions_and_access_keys_of_its_own_in_every_language) {
    main->menuEditPointsClick();
    ASSERT_TRUE(main->pointEditor);
    FormPointEditor& editor = *main->pointEditor;
    for (int language = 0; language < lang::LanguageCount; ++language) {
        main->applyLanguage(language);
        for (const lang::MoreEntry& entry : lang::pointEditorTexts())
            EXPECT_EQ(editor.find(entry.name)->caption(), entry.captions[static_cast<size_t>(language)]) << language;
        std::vector<int> keys;
        for (Widget* w : editor.widgets())
            if (w->kind() == WidgetKind::Button || w == &editor.labelName) keys.push_back(accessKeyOf(w->caption()));
        for (size_t i = 0; i < keys.size(); ++i) {
            EXPECT_NE(keys[i], 0) << language << " " << i;
            for (size_t j = i + 1; j < keys.size(); ++j) EXPECT_NE(keys[i], keys[j]) << language << " " << i << " " << j;
        }
    }
}

}  // namespace
}  // namespace zv
