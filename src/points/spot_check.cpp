// The check before the click: with the option on, each recorded point keeps a picture of
// the screen round it, taken before the click reaches the application (the hooks take the
// press, and a real click is passed on only afterwards); a switch press whose spot no
// longer looks like it is not clicked.

#include "app/form_principal.h"
#include "feedback/form_transparent.h"
#include "platform/platform.h"
#include "points/picture_lines.h"
#include "points/window_lookup.h"
#include "record/form_screen.h"
#include "widgets/application.h"

namespace zv {

std::vector<Rect> FormPrincipal::ownCover() const {
    std::vector<Rect> cover;
    for (const Form* form : app().forms()) {
        // The snapshot of screen-capture recording shows the screen itself, pixel for pixel.
        if (!form->visible() || form == formScreen) continue;
        const auto rect = platform().windowRect(form->windowId());
        if (!rect) continue;
        if (form != formTransparent) {
            cover.push_back(*rect);
            continue;
        }
        // The frame is four bars round a hole where the point shows.
        for (const Shape* bar : {&formTransparent->Shape1, &formTransparent->Shape2, &formTransparent->Shape3,
                                 &formTransparent->Shape4})
            cover.push_back({rect->left + bar->left(), rect->top + bar->top(), bar->width(), bar->height()});
    }
    return cover;
}

std::optional<Rect> FormPrincipal::applicationWindowAt(int x, int y) {
    const auto window = windowAt(platform(), x, y, [this](WindowId w) { return ownWindow(w); });
    if (!window) return std::nullopt;
    return window->rect;
}

std::optional<ScreenPixels> FormPrincipal::applicationPixels(const Rect& area, const std::optional<Rect>& window) {
    auto pixels = platform().screenPixels(area);
    if (!pixels) return std::nullopt;
    markUnseen(*pixels, area.left, area.top, ownCover());
    // Beside its window, what shows belongs to other programs, which move on their own.
    if (window) keepWithin(*pixels, area.left, area.top, *window);
    return pixels;
}

void FormPrincipal::takeSpotPicture(int index, int x, int y) {
    // A point recorded with the option off is clicked as it always was: it must not keep
    // the picture of a point that stood at its index before.
    pictures.unset(index);
    if (!menuCheckPointBeforeClick.checked()) return;
    std::optional<ScreenPixels> picture;
    const auto window = applicationWindowAt(x, y);
    for (int side : spotSides(platform().displayScale(x, y))) {
        picture = applicationPixels({x - side / 2, y - side / 2, side, side}, window);
        if (!picture || spotMatcher.detailed(*picture)) break;
    }
    if (picture) pictures.set(index, asStored(*picture));
}

bool FormPrincipal::spotStillThere() {
    if (!menuCheckPointBeforeClick.checked() || !placedIndex) return true;
    const ScreenPixels* picture = pictures.of(*placedIndex);
    if (!picture) return true;
    const ScreenPoint at = platform().cursorPos();
    const int side = picture->width;
    const auto now =
        applicationPixels({at.x - side / 2, at.y - side / 2, side, side}, applicationWindowAt(at.x, at.y));
    // A screen that cannot be read cannot show that the spot is still there.
    return now && spotMatcher.compare(*picture, *now).same;
}

}  // namespace zv
