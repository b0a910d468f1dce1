// The language entries: each checks itself, relabels the translated menu entries and
// stores its choice, even when it was already the active language.

#include "app/form_principal.h"
#include "app/settings.h"
#include "app/settings_keys.h"
#include "lang/captions.h"
#include "points/form_point_editor.h"
#include "scan/scan_timing_dialog.h"

namespace zv {

void FormPrincipal::applyLanguage(int language) {
    MenuItem* entries[lang::LanguageCount] = {&MenuCatala, &MenuCastellano, &MenuEuskera, &MenuGalego,
                                              &MenuPortugues, &MenuEnglish, &MenuFrances};
    for (int l = 0; l < lang::LanguageCount; ++l) entries[l]->setChecked(l == language);
    const auto& names = lang::translatedEntries();
    const auto& texts = lang::captions(static_cast<lang::Language>(language));
    for (int i = 0; i < lang::kTranslatedEntries; ++i) find(names[i])->setCaption(texts[i]);
    for (const lang::MoreEntry& entry : lang::moreEntries()) find(entry.name)->setCaption(entry.captions[language]);
    if (scanTimingDialog) scanTimingDialog->applyLanguage(language);
    if (pointEditor) pointEditor->applyLanguage(language);
    settings::write(keys::kSectionOptions, keys::kLanguage, lang::settingsValue(static_cast<lang::Language>(language)));
}

int FormPrincipal::activeLanguage() const {
    const MenuItem* entries[lang::LanguageCount] = {&MenuCatala, &MenuCastellano, &MenuEuskera, &MenuGalego,
                                                    &MenuPortugues, &MenuEnglish, &MenuFrances};
    for (int l = 0; l < lang::LanguageCount; ++l)
        if (entries[l]->checked()) return l;
    return lang::Spanish;
}

void FormPrincipal::MenuCatalaClick() { applyLanguage(lang::Catalan); }
void FormPrincipal::MenuCastellanoClick() { applyLanguage(lang::Spanish); }
void FormPrincipal::MenuEuskeraClick() { applyLanguage(lang::Basque); }
void FormPrincipal::MenuGalegoClick() { applyLanguage(lang::Galician); }
void FormPrincipal::MenuPortuguesClick() { applyLanguage(lang::Portuguese); }
void FormPrincipal::MenuEnglishClick() { applyLanguage(lang::English); }
void FormPrincipal::MenuFrancesClick() { applyLanguage(lang::French); }

}  // namespace zv
