#include "app/wiring.h"

#include "ui/adapters/qt_text.h"
#include "ui/appearance/wall_clock_jumps.h"

#include <QLineEdit>

namespace tallimo::app {

namespace {

using C = Control;

void showText(QWidget* box, const std::string& text) { ui::setTextIfChanged(*static_cast<QLineEdit*>(box), text); }

}  // namespace

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

    QWidget* dateBox = window.widget(C::txtDate);
    QWidget* timeBox = window.widget(C::txtTime);
    QTimer* timer = &window.clock();
    QObject::connect(timer, &QTimer::timeout, &window, [o, dateBox, timeBox, timer] {
        const std::chrono::milliseconds next = o->tick();
        showText(dateBox, o->dateText());
        showText(timeBox, o->timeText());
        timer->start(next);
    });
    // Set, or woken from sleep: the boxes show the new time at once, and the ticks
    // fall on its seconds from then on.
    new ui::WallClockJumps(&window, [timer] { timer->start(0); });
}

}  // namespace tallimo::app
