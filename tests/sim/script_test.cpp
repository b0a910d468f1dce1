#include <gtest/gtest.h>

#include "backends/sim/runner/describe.h"
#include "backends/sim/runner/script.h"
#include "platform/text.h"

namespace zv::sim {
namespace {

const std::string kMarker = "ZENTAVORO  - Autor - ";

std::vector<std::string> texts(const std::string& line) {
    std::vector<std::string> out;
    for (const Word& w : splitWords(line, kMarker, 1)) out.push_back(w.text);
    return out;
}

int errorLine(const std::string& text) {
    try {
        parseScript(text, "t.scn", kMarker);
    } catch (const ScriptError& e) {
        return e.line;
    }
    return 0;
}

TEST(Script, words_are_converted_to_code_page_1252_with_escapes_kept_raw) {
    EXPECT_EQ(texts("ini Zentavoro \"ESCANEIG DIRIGIT\" \"S\xC3\x8D\""),
              (std::vector<std::string>{"ini", "Zentavoro", "ESCANEIG DIRIGIT", "S\xCD"}));
    EXPECT_EQ(texts("file a \"\\x41\\r\\n\\t\\\"\\\\\\xcd\""), (std::vector<std::string>{"file", "a", "A\r\n\t\"\\\xCD"}));
    // An escaped byte is not read as UTF-8 together with its neighbours.
    EXPECT_EQ(texts("\"\\xC3\\x8D\""), std::vector<std::string>{"\xC3\x8D"});
    EXPECT_EQ(texts("  x\t  y  "), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(texts("\"\""), std::vector<std::string>{""});
}

TEST(Script, each_word_is_also_kept_in_utf8_with_escaped_bytes_as_their_characters) {
    const auto words = splitWords("window w \"\xE8\xAE\xA1 \xC3\xBA\\xFA\\\"$MARKER\"", kMarker, 1);
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[2].text, "? \xFA\xFA\"" + kMarker);
    EXPECT_EQ(words[2].unicode, "\xE8\xAE\xA1 \xC3\xBA\xC3\xBA\"" + cp1252ToUtf8(kMarker));
    EXPECT_EQ(words[0].unicode, "window");
}

TEST(Script, the_marker_is_replaced_wherever_it_stands_in_a_word) {
    EXPECT_EQ(texts("window z \"$MARKER\xC3\xA9s\" $MARKER"),
              (std::vector<std::string>{"window", "z", kMarker + "\xE9s", kMarker}));
    EXPECT_EQ(texts("title z x$MARKER"), (std::vector<std::string>{"title", "z", "x" + kMarker}));
}

TEST(Script, quoted_keywords_are_names) {
    const Script s = parseScript("answer open cancel\nanswer open \"cancel\"\n", "t.scn", kMarker);
    ASSERT_EQ(s.commands.size(), 2u);
    EXPECT_TRUE(s.commands[0].keyword(2, "cancel"));
    EXPECT_FALSE(s.commands[1].keyword(2, "cancel"));
}

TEST(Script, comments_and_blank_lines_are_skipped_and_lines_keep_their_numbers) {
    const Script s = parseScript("# set up\n\n   \nstart\r\n  # more\nclose\n", "t.scn", kMarker);
    ASSERT_EQ(s.commands.size(), 2u);
    EXPECT_EQ(s.commands[0].line, 4);
    EXPECT_EQ(s.commands[1].line, 6);
}

TEST(Script, a_block_becomes_lines_ended_by_cr_lf) {
    const Script s = parseScript("file carta.zvo <<END\nN\xC3\xBAmero = 2\n\"120,45\"\nEND\nstart carta.zvo\n", "t.scn",
                                 kMarker);
    ASSERT_EQ(s.commands.size(), 2u);
    EXPECT_EQ(s.commands[0].size(), 2u);
    EXPECT_EQ(*s.commands[0].body, "N\xFAmero = 2\r\n\"120,45\"\r\n");
    EXPECT_EQ(s.commands[1].line, 5);
}

TEST(Script, malformed_lines_fail_with_their_line_number) {
    EXPECT_EQ(errorLine("start\nfile a <<END\nx\n"), 2);              // block never ended
    EXPECT_EQ(errorLine("start\n\nini a b \"open\n"), 3);              // quote not closed
    EXPECT_EQ(errorLine("ini a b \"\\q\""), 1);                        // unknown escape
    EXPECT_EQ(errorLine("ini a b \"\\x4\""), 1);                       // short hex escape
    EXPECT_EQ(errorLine("ini a b \"x\"y"), 1);                         // text after the quote
    EXPECT_EQ(errorLine("jump 3"), 1);                                 // unknown command
    EXPECT_EQ(errorLine("advance"), 1);                                // missing argument
    EXPECT_EQ(errorLine("advance soon"), 1);                           // not a number
    EXPECT_EQ(errorLine("press both"), 1);
    EXPECT_EQ(errorLine("key Enter"), 1);
    EXPECT_EQ(errorLine("spin S sideways"), 1);
    EXPECT_EQ(errorLine("window w \"t\" at 1 2 3"), 1);
    EXPECT_EQ(errorLine("move w 1 2 3"), 1);
    EXPECT_EQ(errorLine("move w 1"), 1);
    EXPECT_EQ(errorLine("move w x 2"), 1);
    EXPECT_EQ(errorLine("expect MenuGuardar greyed"), 1);
    EXPECT_EQ(errorLine("expect dialog print"), 1);
    EXPECT_EQ(errorLine("tick 4294967296"), 1);
    EXPECT_EQ(errorLine("close now"), 1);
    EXPECT_EQ(errorLine("ini a b c <<END\nEND\n"), 1);                 // only file takes a block
}

TEST(Script, every_command_of_the_language_is_accepted_in_its_forms) {
    const char* text =
        "screen 800 600\ntick 4294967295\nversion 6 1 7601 2 \"Service Pack 1\"\nfile a.zvo \"x\"\n"
        "readonly a.zvo\nini S K \"V\"\nini-file \"[S]\\r\\n\"\n"
        "window w \"T\"\nwindow v \"T\" class \"C\" at 1 2 3 4\nwindow u \"T\" at 1 2 3 4 class \"C\"\n"
        "title w \"U\"\nmove w 10 -20\nmove w 10 20 300 200\npointer -5 7\nstart\nstart a b\nadvance 100\nclick MenuNuevo\ninvoke MenuNuevo\n"
        "spin S up\nspin S down 3\npress left\npress middle\nkey Tab\nkey 65\nkey Numpad7\nkey 7\n"
        "foreground main\nanswer open \"a.zvo\"\nanswer open cancel\nanswer save cancel\nanswer color 255\n"
        "answer color cancel\nanswer size 200 100\nclose\nmark\n"
        "expect MenuGuardar checked\nexpect FormPrincipal width 165\nexpect state mode 2\nexpect point 0 1 2\n"
        "expect pointer 1 2\nexpect foreground w\nexpect running yes\nexpect ini S K \"V\"\nexpect ini S K missing\n"
        "expect file a.zvo missing\nexpect message \"m\"\nexpect error \"e\"\nexpect quiet\nexpect dialog size\n"
        "expect dialog save \"x\"\nexpect input none\nexpect input \"move 1 2;beep 0\"\nexpect hooks none\n"
        "expect hook-calls \"UnHookHook\"\nexpect got w none\nexpect shell \"zentavoro.txt\"\n";
    EXPECT_EQ(errorLine(text), 0);
}

TEST(Script, the_program_s_own_commands_are_accepted_in_their_forms_and_nothing_else) {
    EXPECT_EQ(errorLine("monitor 1024 0 800 600\ndisk full\ndisk free\nkill\nanswer question yes\n"
                        "answer question no\nexpect dialog question \"\xC2\xBFS\xC3\xAD?\"\n"),
              0);
    EXPECT_EQ(errorLine("monitor 1024 0 800"), 1);
    EXPECT_EQ(errorLine("disk empty"), 1);
    EXPECT_EQ(errorLine("kill now"), 1);
    EXPECT_EQ(errorLine("answer question maybe"), 1);
    EXPECT_EQ(errorLine("answer question"), 1);
}

TEST(Script, the_commands_beyond_the_shared_language_are_checked_like_the_others) {
    EXPECT_EQ(errorLine("select pointList 2\nselect pointList none\ntype Name \"a b\"\nchord Ctrl+Z\nchord Esc\n"
                        "help \"/usr/share/doc/zentavoro/zentavoro.txt\"\nexpect pointList selected none\n"
                        "expect pointList rows \"1|2|3\"\n"),
              0);
    EXPECT_EQ(errorLine("select pointList"), 1);
    EXPECT_EQ(errorLine("select pointList -1"), 1);
    EXPECT_EQ(errorLine("select pointList first"), 1);
    EXPECT_EQ(errorLine("type Name"), 1);
    EXPECT_EQ(errorLine("chord Hyper+Z"), 1);
    EXPECT_EQ(errorLine("chord Ctrl+Z Alt+B"), 1);
    EXPECT_EQ(errorLine("help"), 1);
}

TEST(Script, key_names_and_codes) {
    EXPECT_EQ(keyCode("Tab"), 9);
    EXPECT_EQ(keyCode("Return"), 13);
    EXPECT_EQ(keyCode("Space"), 32);
    EXPECT_EQ(keyCode("Alt"), 18);
    EXPECT_EQ(keyCode("Right"), 39);
    EXPECT_EQ(keyCode("Add"), 107);
    EXPECT_EQ(keyCode("Escape"), 27);
    EXPECT_EQ(keyCode("7"), 55);      // the key 7, not the code 7
    EXPECT_EQ(keyCode("Z"), 90);
    EXPECT_EQ(keyCode("Numpad0"), 96);
    EXPECT_EQ(keyCode("13"), 13);
    EXPECT_EQ(keyCode("z"), std::nullopt);
    EXPECT_EQ(keyCode("300"), std::nullopt);
}

TEST(Describe, event_lists_are_read_with_or_without_blanks_around_separators) {
    EXPECT_EQ(splitList("move 1 2; mouse 0x8002 0 0 ;key 13 down", ';'),
              (std::vector<std::string>{"move 1 2", "mouse 0x8002 0 0", "key 13 down"}));
    EXPECT_TRUE(splitList(" ; ", ';').empty());
    EXPECT_EQ(shown("a\r\n\"\x01"), "\"a\\r\\n\\\"\\x01\"");
}

}  // namespace
}  // namespace zv::sim
