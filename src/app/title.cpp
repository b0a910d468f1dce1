#include "app/title.h"

namespace zv {

namespace {
// The author credit of the title marker and the web address of the full title.
constexpr const char* kAuthorCredit = "Equip Zentavoro";
constexpr const char* kWebAddress = "zentavoro.org";
}  // namespace

std::string titleMarker() { return std::string("ZENTAVORO  - ") + kAuthorCredit + " - "; }

std::string fullTitle() { return titleMarker() + kWebAddress; }

}  // namespace zv
