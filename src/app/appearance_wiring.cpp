#include "app/wiring.h"

namespace tallimo::app {

using C = Control;

void wireTapeFormatting(ui::MainWindow& window, TapeFormatting& formatting)
{
    TapeFormatting* f = &formatting;
    for (C style : {C::mnuStyle, C::PopUpStyle}) window.onClick(style, [f] { f->chooseFont(); });
    for (C colour : {C::mnuColor, C::PopUpColor}) window.onClick(colour, [f] { f->chooseColour(); });
    const std::pair<std::pair<C, C>, FontAttribute> toggles[] = {
        {{C::mnuBold, C::PopUpBold}, FontAttribute::Bold},
        {{C::mnuItalic, C::PopUpItalic}, FontAttribute::Italic},
        {{C::mnuUnderline, C::PopUpUnderline}, FontAttribute::Underline},
    };
    for (const auto& [items, attribute] : toggles) {
        for (C item : {items.first, items.second}) window.onClick(item, [f, a = attribute] { f->toggle(a); });
    }
}

void wireColourSchemes(ui::MainWindow& window, ColourSchemes& schemes, std::function<void()> apply)
{
    ColourSchemes* s = &schemes;
    for (int n = 1; n <= kSchemeCount; ++n) {
        for (C first : {C::mnuScheme1, C::PopUpScheme1}) {
            window.onClick(member(first, n - 1), [s, n, apply] {
                s->choose(n);
                apply();
            });
        }
    }
}

void wireDisplayOptions(ui::MainWindow& window, DisplayOptions& options)
{
    DisplayOptions* o = &options;
    for (C date : {C::mnuDate, C::PopUpDate}) window.onClick(date, [o] { o->toggleDate(); });
    for (C time : {C::mnuTime, C::PopUpTime}) window.onClick(time, [o] { o->toggleTime(); });
    for (C results : {C::mnuResults, C::PopUpResults}) window.onClick(results, [o] { o->toggleResults(); });
}

}  // namespace tallimo::app
