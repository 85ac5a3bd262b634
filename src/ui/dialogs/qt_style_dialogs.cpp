#include "ui/dialogs/qt_style_dialogs.h"

#include "ui/appearance/qt_colour.h"

#include <QColorDialog>
#include <QFontDialog>

namespace tallimo::ui {

std::optional<FontChoice> QtFontDialog::chooseFont(const FontChoice& current)
{
    QFont initial(QString::fromStdString(current.family));
    if (current.pointSize > 0) initial.setPointSizeF(current.pointSize);
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, initial, parent_);
    if (!chosen) return std::nullopt;
    return FontChoice{font.family().toStdString(), font.pointSizeF()};
}

std::optional<Colour> QtColourDialog::chooseColour(Colour current)
{
    const QColor colour = QColorDialog::getColor(toQColor(current), parent_);
    if (!colour.isValid()) return std::nullopt;
    return fromQColor(colour);
}

}  // namespace tallimo::ui
