#pragma once
// The About box's own texts (code page 1252).

namespace zv::credits {

inline constexpr const char* kAuthorLine = "Equip Zentavoro - zentavoro.org";
inline constexpr const char* kAuthorAddress = "https://zentavoro.org";
inline constexpr const char* kProjectAddress = "https://zentavoro.org/projecte";
inline constexpr const char* kSponsorLine = "Fet amb el suport de les escoles i les fam\xED" "lies que l'han provat";
inline constexpr const char* kIdeaLine = "Idea: fer que un sol polsador obri tot un ordinador";
inline constexpr const char* kVersion = "Versi\xF3 117 - 21/01/2017";
inline constexpr const char* kGreeting = "Hola! Gr\xE0" "cies per fer-lo servir";

// The quotations and the paragraph on the project, blocks separated by two rows of dashes.
inline constexpr const char* kMemo[] = {
    "\"Tot sembla impossible fins que es fa.\"",
    "   - Nelson Mandela",
    "----------------------------------------",
    "----------------------------------------",
    "\"La tecnologia \xE9s millor quan uneix les persones.\"",
    "   - Matt Mullenweg",
    "----------------------------------------",
    "----------------------------------------",
    "Zentavoro forma part d'un projecte per acostar l'ordinador a les persones que no poden "
    "moure un ratol\xED: un sol polsador, un clic on cal.",
};

}  // namespace zv::credits
