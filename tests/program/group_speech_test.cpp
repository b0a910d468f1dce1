#include "platform/profile.h"
#include "program_world.h"

namespace zv {
namespace {

// What group scanning will call for a lit group: the names of its first and last points,
// said as one text that cuts off the name before, or a beep when the voice cannot say it.
class SpeakingProgram : public testing::ProgramWorld {
protected:
    void SetUp() override {
        profileSet(settingsFilePath(), "Zentavoro", "DIR EL NOM DE CADA PUNT", "S\xCD");
        platform.writeFile("calc.zvo", "Projecte Brisal 2001 - Zentavoro v: 1\r\nN\xFAmero de puntos = 3\r\n10,10\r\n"
                                       "20,10\r\n30,10\r\n//zv names 1\r\n//zv name 1 \"Siete\"\r\n"
                                       "//zv name 3 \"Nueve\"\r\n");
        platform.desktop().addForeign("calc", "Calculadora", "CalcFrame", Rect{0, 0, 400, 300});
        startProgram({"calc.zvo"});
        platform.speech().records().clear();
        platform.input().records().clear();
    }
};

TEST_F(SpeakingProgram, a_lit_group_says_its_first_and_last_points_and_cuts_off_the_name_before) {
    main->sayLitGroup(0, 2, false);
    main->sayLitGroup(1, 1, false);
    main->sayLitGroup(2, 0, false);
    EXPECT_EQ(platform.speech().records(),
              (std::vector<std::string>{"say Siete, Nueve", "cut", "say 2", "cut", "say Nueve, Siete"}));
    EXPECT_TRUE(platform.input().records().empty());
}

TEST_F(SpeakingProgram, a_lit_group_beeps_once_when_the_voice_fails) {
    platform.speech().service = sim::SimSpeech::Service::Failing;
    main->sayLitGroup(0, 2, false);
    main->sayLitGroup(0, 2, true);   // the scan timer's tick beeped already
    EXPECT_TRUE(platform.speech().records().empty());
    EXPECT_EQ(platform.input().records(), (std::vector<std::string>{"beep 0"}));
}

TEST_F(SpeakingProgram, nothing_is_said_of_a_group_with_the_option_off) {
    main->menuSayEachPointsNameClick();
    main->sayLitGroup(0, 2, false);
    EXPECT_TRUE(platform.speech().records().empty());
    EXPECT_TRUE(platform.input().records().empty());
}

}  // namespace
}  // namespace zv
