#pragma once
// What the program says in its own words, in the seven interface languages (UTF-8, as the
// speech service takes it): a user who cannot see the screen well hears why a press did
// nothing.

#include "lang/captions.h"

namespace zv::lang {

// A switch press whose point's spot no longer looks as it did at recording: no click.
const char* refusedClickText(Language language);

}  // namespace zv::lang
