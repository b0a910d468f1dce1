#include <gtest/gtest.h>

#include "widgets/key_chord.h"

using namespace zv;

TEST(KeyChords, shortcuts_are_read_as_menus_and_buttons_write_them) {
    EXPECT_EQ(parseChord("Ctrl+Z"), (KeyChord{'Z', true, false, false}));
    EXPECT_EQ(parseChord("ctrl+shift+f5"), (KeyChord{0x74, true, true, false}));
    EXPECT_EQ(parseChord("Alt+B"), (KeyChord{'B', false, false, true}));
    EXPECT_EQ(parseChord("Esc"), (KeyChord{0x1B}));
    EXPECT_EQ(parseChord("Ctrl++"), (KeyChord{0x6B, true, false, false}));
    EXPECT_EQ(parseChord("Ctrl+Alt+Del"), (KeyChord{0x2E, true, false, true}));
    EXPECT_EQ(parseChord("+"), (KeyChord{0x6B}));
    for (const char* bad : {"", "Ctrl+", "Meta+A", "Ctrl+AB", "F25", "Ctrl++A"})
        EXPECT_FALSE(parseChord(bad)) << bad;
}

TEST(KeyChords, the_access_key_is_the_letter_after_the_first_single_ampersand) {
    EXPECT_EQ(accessKeyOf("&Borrar"), 'B');
    EXPECT_EQ(accessKeyOf("Ba&jar"), 'J');
    EXPECT_EQ(accessKeyOf("C&errar"), 'E');
    EXPECT_EQ(accessKeyOf("Tom && &Jerry"), 'J');
    EXPECT_EQ(accessKeyOf("&1 punto"), '1');
    EXPECT_EQ(accessKeyOf("Sin tecla"), 0);
    EXPECT_EQ(accessKeyOf("Al final&"), 0);
    // A letter outside A to Z (code page 1252) has no key of its own to press.
    EXPECT_EQ(accessKeyOf("&\xD1u"), 0);
}
