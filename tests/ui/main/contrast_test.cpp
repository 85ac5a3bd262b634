// Every text of every window reads on what is behind it: 4.5 to 1 or more, measured
// from the pixels of the windows as they are drawn, in the four colour schemes, on a
// light and on a dark desktop, with the controls enabled and disabled.

#include "test_registry.h"
#include "window_test.h"

#include "conversion/window_design.h"
#include "ui/about/about_box.h"
#include "ui/adapters/qt_text.h"
#include "ui/appearance/readable_text.h"
#include "ui/colour/colour_mixer_window.h"
#include "ui/conversion/conversion_window.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTextEdit>

#include <map>
#include <optional>

namespace tallimo::testing {

namespace {

constexpr double kLeastContrast = 4.5;

// Where the design gives a control both its colours, it shows them, readable or not.
struct DesignedColours {
    const char* name;
    QColor text;
    QColor background;
};
const DesignedColours kDesignedColours[] = {
    {"txtTime", {255, 0, 0}, {255, 192, 128}},  // red on orange, 2.5 to 1
    {"txtDate", {255, 0, 0}, {255, 192, 128}},
};

// A desktop theme: its palette reaches the program as a theme's does, through the
// style's polish.
class Desktop : public QProxyStyle {
public:
    explicit Desktop(const QPalette& palette) : QProxyStyle(QStyleFactory::create("Fusion")), palette_(palette) {}
    using QProxyStyle::polish;
    void polish(QPalette& palette) override { palette = palette_; }

private:
    QPalette palette_;
};

// Colours as a dark desktop theme gives them, its pale disabled text included.
QPalette darkDesktop()
{
    const QColor window(53, 53, 53);
    const QColor text(238, 238, 236);
    const QColor disabledText(145, 145, 144);
    const QColor base(45, 45, 45);
    QPalette dark(text, window, window.lighter(150), window.darker(150), window.darker(120), text, base);
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(21, 83, 158));
    dark.setColor(QPalette::ToolTipBase, QColor(20, 20, 20));
    dark.setColor(QPalette::ToolTipText, text);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, disabledText);
    dark.setColor(QPalette::Disabled, QPalette::Base, window);
    return dark;
}

struct Reading {
    double contrast;
    QColor text;
    QColor background;
};

// A text's colour against its background, from the same area drawn with and without
// the text: the pixels that differ are the text's ink; the background is the commonest
// colour around the ink, the text's colour the ink pixel that stands out most from it.
std::optional<Reading> read(const QImage& with, const QImage& without)
{
    QRect ink;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) ink |= QRect(x, y, 1, 1);
    if (ink.isEmpty()) return std::nullopt;
    const QRect around = ink.adjusted(-2, -2, 2, 2) & with.rect();
    std::map<QRgb, int> counts;
    for (int y = around.top(); y <= around.bottom(); ++y)
        for (int x = around.left(); x <= around.right(); ++x)
            if (with.pixel(x, y) == without.pixel(x, y)) ++counts[with.pixel(x, y)];
    if (counts.empty()) return std::nullopt;
    const QColor background(
        std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first);
    Reading reading{1, background, background};
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        for (int x = ink.left(); x <= ink.right(); ++x) {
            if (with.pixel(x, y) == without.pixel(x, y)) continue;
            const QColor pixel(with.pixel(x, y));
            const double contrast = ui::contrastRatio(pixel, background);
            if (contrast > reading.contrast) reading = {contrast, pixel, background};
        }
    }
    return reading;
}

// A widget's own text, taken out and put back.
struct OwnText {
    std::function<void()> takeOut;
    std::function<void()> putBack;
};

std::optional<OwnText> ownText(QWidget* widget)
{
    const auto of = [](auto* w, auto get, auto set) -> std::optional<OwnText> {
        const QString text = (w->*get)();
        if (text.isEmpty()) return std::nullopt;
        return OwnText{[w, set] { (w->*set)(QString()); }, [w, set, text] { (w->*set)(text); }};
    };
    if (auto* label = qobject_cast<QLabel*>(widget)) return of(label, &QLabel::text, &QLabel::setText);
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return of(button, &QAbstractButton::text, &QAbstractButton::setText);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) return of(box, &QLineEdit::text, &QLineEdit::setText);
    if (auto* edit = qobject_cast<QTextEdit*>(widget))
        return of(edit, &QTextEdit::toPlainText, &QTextEdit::setPlainText);
    if (auto* group = qobject_cast<QGroupBox*>(widget)) return of(group, &QGroupBox::title, &QGroupBox::setTitle);
    return std::nullopt;
}

}  // namespace

class ContrastTest : public WindowTest {
    Q_OBJECT

    QStringList failures_;
    QString state_;  // the scheme and whether enabled

    // Measures the text that `text` takes out of `area` of `window`.
    void measure(QWidget& window, const QRect& area, const QString& what, const OwnText& text, bool mayBeUndrawn)
    {
        const QImage with = window.grab(area).toImage();
        text.takeOut();
        const QImage without = window.grab(area).toImage();
        text.putBack();
        const std::optional<Reading> reading = read(with, without);
        if (!reading) {
            if (!mayBeUndrawn) failures_ << QString("%1 %2: its text has its background's colour").arg(state_, what);
            return;
        }
        const QString name = what.section(' ', 1, 1);
        for (const DesignedColours& designed : kDesignedColours) {
            if (name != QLatin1String(designed.name)) continue;
            const double designedContrast = ui::contrastRatio(designed.text, designed.background);
            if (reading->background != designed.background || std::abs(reading->contrast - designedContrast) > 0.25)
                failures_ << QString("%1 %2: %3 on %4, not the design's colours")
                                 .arg(state_, what, reading->text.name(), reading->background.name());
            return;
        }
        if (reading->contrast < kLeastContrast)
            failures_ << QString("%1 %2: %3 to 1, %4 on %5")
                             .arg(state_, what)
                             .arg(reading->contrast, 0, 'f', 2)
                             .arg(reading->text.name(), reading->background.name());
    }

    // Every text that `window` shows: each control's, and each title on a menu bar.
    void audit(QWidget& window)
    {
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->window() != &window) continue;
            const QString what =
                window.objectName() + " " + widget->objectName() + " " + widget->metaObject()->className();
            if (auto* bar = qobject_cast<QMenuBar*>(widget)) {
                for (QAction* item : bar->actions()) {
                    const QString title = item->text();
                    if (!item->isVisible() || title.isEmpty()) continue;
                    const QRect place = bar->actionGeometry(item);
                    measure(window, QRect(bar->mapTo(&window, place.topLeft()), place.size()), what + " " + title,
                            {[item] { item->setText(QString()); }, [item, title] { item->setText(title); }}, false);
                }
                continue;
            }
            const QRect shown = widget->visibleRegion().boundingRect();
            const std::optional<OwnText> text = ownText(widget);
            if (shown.isEmpty() || !text) continue;
            // The memory panel's option buttons have no room for their caption.
            const bool clipped = widget->width() < widget->sizeHint().width();
            measure(window, QRect(widget->mapTo(&window, shown.topLeft()), shown.size()), what, *text, clipped);
        }
    }

    // Every window with text in it: the main window with a tape and a sum, the three
    // conversion windows with a result, the running total, the colour mixer and the
    // about box.
    QList<QWidget*> showEveryWindow()
    {
        QList<QWidget*> shown{&window()};
        if (!trigger({"mnuNew"}) || !click({"cmdDigit_1", "cmdDigit_2", "cmdOperator_0", "cmdDigit_3", "cmdEquals_0"}))
            return {};
        const auto ok = [](QMessageBox& box) { QVERIFY(answer(box, QMessageBox::Ok)); };
        expectBox(ok);
        expectBox(ok);
        if (!click({"cmdShift", "cmdMemory_4", "cmdMemory_6", "cmdShift", "cmdMemory_0", "cmdDigit_7"})) return {};
        shown << window().companion(ui::Companion::RunningTotal);
        for (const auto& [item, kind] : {std::pair{"mnuDistance", ConversionKind::Distance},
                                         std::pair{"mnuVolume", ConversionKind::Volume},
                                         std::pair{"mnuWeight", ConversionKind::Weight}}) {
            if (!trigger({item})) return {};
            ui::ConversionWindow& conversion = *program().companions().conversion(kind);
            const SourceUnit& unit = designOf(kind).units[0];
            conversion.findChild<QAction*>(ui::toQString(unit.menuItem))->trigger();
            for (const char* key : {"Keypad_1", "Keypad_2"})
                QTest::mouseClick(conversion.findChild<QPushButton*>(key), Qt::LeftButton);
            const QString target = ui::toQString(unit.group) + "_" + QString::number(unit.targets[0].index);
            auto* button = conversion.findChild<QRadioButton*>(target);
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
            shown << &conversion;
        }
        if (!trigger({"mnuColour"})) return {};
        shown << program().companions().colourMixer();
        about_ = std::make_unique<ui::AboutBox>(&window());
        about_->setModal(false);
        about_->show();
        shown << about_.get();
        for (QWidget* w : shown) {
            if (!QTest::qWaitForWindowExposed(w)) return {};
        }
        return shown;
    }

    std::unique_ptr<ui::AboutBox> about_;

private slots:
    void everyTextReadsInEverySchemeOnALightAndADarkDesktop_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::newRow("light desktop") << false;
        QTest::newRow("dark desktop") << true;
    }

    void everyTextReadsInEverySchemeOnALightAndADarkDesktop()
    {
        QFETCH(bool, dark);
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
        struct BackToFusion {
            ~BackToFusion() { QApplication::setStyle(QStyleFactory::create("Fusion")); }
        } backToFusion;
        failures_.clear();
        QApplication::setStyle(new Desktop(dark ? darkDesktop() : fusion->standardPalette()));
        QVERIFY(restart());
        const QList<QWidget*> windows = showEveryWindow();
        QVERIFY(!windows.isEmpty());
        for (int scheme = 1; scheme <= 4; ++scheme) {
            const QByteArray schemeItem = "mnuScheme" + QByteArray::number(scheme);
            QVERIFY(trigger({schemeItem.constData()}));
            for (bool panel : {false, true}) {
                if (panel) QVERIFY(click({"cmdMemory_2"}));
                for (bool enabled : {true, false}) {
                    state_ = QString("scheme %1, %2:").arg(scheme).arg(enabled ? "enabled" : "disabled");
                    for (QWidget* w : windows) {
                        if (panel && w != &window()) continue;
                        w->setEnabled(enabled);
                        audit(*w);
                        w->setEnabled(true);
                    }
                }
                if (panel) QVERIFY(click({"cmdCancel"}));
            }
        }
        about_.reset();
        for (const QString& failure : failures_) qWarning("%s", qPrintable(failure));
        QVERIFY2(failures_.isEmpty(), "a text does not read on its background");
    }
};

TALLIMO_WINDOW_TEST(ContrastTest)

}  // namespace tallimo::testing

#include "contrast_test.moc"
