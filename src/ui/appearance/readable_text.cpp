#include "ui/appearance/readable_text.h"

#include <QApplication>
#include <QProxyStyle>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace tallimo::ui {

namespace {

// Well above the 4.5 to 1 that text must reach, so that what is drawn reaches it:
// the strokes of small anti-aliased glyphs come out lighter than their colour, and
// styles shade a key's face lighter or darker than the palette's button colour.
constexpr double kAimedContrast = 7.0;

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& c)
{
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double worstContrast(const QColor& text, const std::vector<QColor>& backgrounds)
{
    double worst = std::numeric_limits<double>::infinity();
    for (const QColor& background : backgrounds) worst = std::min(worst, contrastRatio(text, background));
    return worst;
}

QColor blend(const QColor& from, const QColor& to, double share)
{
    const auto mix = [share](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * share)); };
    return {mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue())};
}

// The text and the backgrounds it is drawn on, in any colour group.
struct TextOn {
    QPalette::ColorRole text;
    std::vector<QPalette::ColorRole> backgrounds;
};
const TextOn kTextOn[] = {
    {QPalette::WindowText, {QPalette::Window}},
    // Menu bars draw their items' text on the window's colour.
    {QPalette::ButtonText, {QPalette::Button, QPalette::Window}},
    // Some styles write group box titles in it, on the window's colour.
    {QPalette::Text, {QPalette::Base, QPalette::Window}},
    {QPalette::ToolTipText, {QPalette::ToolTipBase}},
};

// The desktop's style, drawing as it does, with the text of the desktop's palette
// made readable. Qt hands each palette that a desktop theme gives to the style's
// polish() before any window uses it.
class ReadableTextStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    using QProxyStyle::polish;

    void polish(QPalette& palette) override
    {
        QProxyStyle::polish(palette);
        makeTextReadable(palette);
    }
};

}  // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor& text, const std::vector<QColor>& backgrounds)
{
    if (worstContrast(text, backgrounds) >= kAimedContrast) return text;
    std::optional<std::pair<double, QColor>> nearest;  // how far it moved, and where to
    for (const QColor end : {QColor(Qt::black), QColor(Qt::white)}) {
        if (worstContrast(end, backgrounds) < kAimedContrast) continue;
        double low = 0;
        double high = 1;
        for (int step = 0; step < 12; ++step) {
            const double middle = (low + high) / 2;
            (worstContrast(blend(text, end, middle), backgrounds) >= kAimedContrast ? high : low) = middle;
        }
        if (!nearest || high < nearest->first) nearest = {high, blend(text, end, high)};
    }
    if (nearest) return nearest->second;
    // Backgrounds too far apart for any colour to reach the aim: the better extreme.
    return worstContrast(Qt::black, backgrounds) >= worstContrast(Qt::white, backgrounds) ? QColor(Qt::black)
                                                                                          : QColor(Qt::white);
}

void makeTextReadable(QPalette& palette)
{
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto& [text, backgrounds] : kTextOn) {
            std::vector<QColor> behind;
            for (const QPalette::ColorRole background : backgrounds) behind.push_back(palette.color(group, background));
            const QColor shown = palette.color(group, text);
            const QColor readable = readableOn(shown, behind);
            if (readable != shown) palette.setColor(group, text, readable);
        }
    }
}

void keepDesktopTextReadable()
{
    if (dynamic_cast<ReadableTextStyle*>(QApplication::style()) != nullptr) return;
    // The proxy takes over the style in use, and the application the proxy.
    QApplication::setStyle(new ReadableTextStyle(QApplication::style()));
}

void setTextColoursFor(QWidget& widget, const QColor& background, std::initializer_list<QPalette::ColorRole> roles)
{
    const QColor text = contrastRatio(Qt::black, background) >= contrastRatio(Qt::white, background)
                            ? QColor(Qt::black)
                            : QColor(Qt::white);
    const QColor disabled = readableOn(background, {background});
    QPalette palette = widget.palette();
    for (const QPalette::ColorRole role : roles) {
        palette.setColor(role, text);
        palette.setColor(QPalette::Disabled, role, disabled);
    }
    widget.setPalette(palette);
}

}  // namespace tallimo::ui
