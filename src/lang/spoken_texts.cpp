#include "lang/spoken_texts.h"

#include <array>

namespace zv::lang {

const char* refusedClickText(Language language) {
    // In the order of Language.
    static const std::array<const char*, LanguageCount> texts = {
        "No faig clic: el punt ha canviat",
        "No hago clic: el punto ha cambiado",
        "Ez dut klikik egingo: puntua aldatu egin da",
        "Non fago clic: o punto cambiou",
        "N\xC3\xA3o fa\xC3\xA7o clique: o ponto mudou",
        "No click: the point has changed",
        "Pas de clic : le point a chang\xC3\xA9",
    };
    return language >= 0 && language < LanguageCount ? texts[language] : texts[Spanish];
}

}  // namespace zv::lang
