#pragma once
// The menu captions of the seven interface languages.

#include <array>
#include <string>
#include <vector>

namespace zv::lang {

enum Language { Catalan, Spanish, Basque, Galician, Portuguese, English, French, LanguageCount };

inline constexpr int kTranslatedEntries = 26;

// The names of the translated menu entries, in the order of every caption column.
const std::array<const char*, kTranslatedEntries>& translatedEntries();

// The captions of one language, code page 1252, in the order of translatedEntries().
const std::array<std::string, kTranslatedEntries>& captions(Language language);

// The program's own entries beyond the twenty-six above (the submenu of further options
// and what it holds): each with its caption in every language, code page 1252. The
// Spanish caption is the one the entry carries before any language is applied.
struct MoreEntry {
    const char* name;
    std::array<std::string, LanguageCount> captions;
};
const std::vector<MoreEntry>& moreEntries();
// The texts of the dialog of the scan's timing: its title (by the form's name), its labels
// and its button.
const std::vector<MoreEntry>& timingDialogTexts();
// The point editor's texts of the name field: its label and the button that renames.
const std::vector<MoreEntry>& pointEditorTexts();

// The language's IETF tag, which chooses the voice that says the names of the points.
const char* languageTag(Language language);

// The value written to "Llengua" for each language, code page 1252.
std::string settingsValue(Language language);

// The language whose stored value is exactly this text; Spanish ("Castellà") is left
// out because it is what the window shows before any language is applied.
int restoredLanguage(const std::string& storedValue);

}  // namespace zv::lang
