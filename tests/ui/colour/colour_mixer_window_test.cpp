// The colour mixer window: its controls, the sliders' effect on the labels and the
// mixed colour, and the closing questions of its close box and Exit.

#include "support/scripted_prompter.h"
#include "ui/appearance/qt_colour.h"
#include "ui/colour/colour_mixer_window.h"

#include <QAction>
#include <QFrame>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QSlider>
#include <QTest>

namespace tallimo::ui {

using tallimo::testing::ScriptedPrompter;

class ColourMixerWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        prompter = ScriptedPrompter();
        releases = 0;
        window = std::make_unique<ColourMixerWindow>(prompter, [this] { ++releases; });
        window->open(Colour::fromNumber(32768));
    }
    void cleanup() { window->hide(); }

    void hasEveryControlUnderItsName()
    {
        QCOMPARE(window->objectName(), QString("frmColour"));
        QCOMPARE(window->windowTitle(), QString("TallimoPalette"));
        QCOMPARE(window->size(), QSize(503, 177));
        const char* sliders[] = {"sldRed", "sldGreen", "sldBlue"};
        for (const char* name : sliders) {
            auto* slider = child<QSlider>(name);
            QCOMPARE(slider->minimum(), 0);
            QCOMPARE(slider->maximum(), 255);
            QCOMPARE(slider->singleStep(), 1);
            QCOMPARE(slider->pageStep(), 5);
            QCOMPARE(slider->toolTip(), QString("Move slider to set value"));
        }
        QCOMPARE(child<QLabel>("lblGreen")->text(), QString("GREEN"));
        QCOMPARE(child<QLabel>("lblRGB_2")->toolTip(), QString("RGB value for blue"));
        QCOMPARE(child<QFrame>("pctRGB")->toolTip(), QString("Returns mix palette value for the RGB"));
        QCOMPARE(child<QAction>("mnuExit")->text(), QString("&Exit"));
        QCOMPARE(backgroundOf(*window).number(), 32768u);
        QCOMPARE(backgroundOf(*child<QLabel>("lblRed")), kBlack);
        QCOMPARE(child<QLabel>("lblRed")->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    }

    void slidersShowTheMixAndTheirOwnComponent()
    {
        child<QSlider>("sldRed")->setValue(255);
        QCOMPARE(backgroundOf(*child<QFrame>("pctRGB")).number(), 255u);
        QCOMPARE(child<QLabel>("lblRGB_0")->text(), QString("255"));
        QCOMPARE(backgroundOf(*child<QLabel>("lblRed")), (Colour{255, 0, 0}));
        QCOMPARE(backgroundOf(*child<QLabel>("lblGreen")), kBlack);
        QCOMPARE(child<QLabel>("lblRGB_1")->text(), QString("0"));

        auto* green = child<QSlider>("sldGreen");
        green->setValue(123);
        green->setFocus();
        QTest::keyClick(green, Qt::Key_PageUp);
        QCOMPARE(green->value(), 128);
        QCOMPARE(backgroundOf(*child<QFrame>("pctRGB")).number(), 33023u);
        QCOMPARE(child<QLabel>("lblRGB_1")->text(), QString("128"));

        window->setBackground(Colour::fromNumber(65535));
        QCOMPARE(backgroundOf(*window).number(), 65535u);
    }

    void theValuesAndTheMenuStayReadableOnTheBlackScheme()
    {
        window->setBackground(kBlack);
        for (const char* name : {"lblRGB_0", "lblRGB_1", "lblRGB_2"}) {
            const QPalette& shown = child<QLabel>(name)->palette();
            QVERIFY2(shown.color(QPalette::WindowText) != shown.color(QPalette::Window), name);
        }
        auto* bar = window->findChild<QMenuBar*>();
        QCOMPARE(bar->palette().color(QPalette::Window), QApplication::palette(bar).color(QPalette::Window));
    }

    void closeBoxAsksAndGivesTheColourEntriesBackEitherWay()
    {
        prompter.script({Answer::No});
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        QCOMPARE(releases, 1);
        QCOMPARE(prompter.texts(), std::vector<std::string>{"If you close the program all current values will be lost"});

        child<QSlider>("sldBlue")->setValue(9);
        window->open(kBlack);  // the popup's Colour on the open mixer only shows it
        QCOMPARE(child<QLabel>("lblRGB_2")->text(), QString("9"));
        prompter.script({Answer::Yes});
        QVERIFY(window->close());
        QVERIFY(!window->isVisible());
        QCOMPARE(releases, 2);

        window->open(Colour::fromNumber(255));
        QCOMPARE(child<QSlider>("sldBlue")->value(), 0);
        QCOMPARE(child<QLabel>("lblRGB_2")->text(), QString("0"));
        QCOMPARE(backgroundOf(*window).number(), 255u);
    }

    void exitClosesAfterBothQuestions()
    {
        prompter.script({Answer::Yes, Answer::Yes});
        child<QAction>("mnuExit")->trigger();
        QVERIFY(!window->isVisible());
        QCOMPARE(prompter.asked.size(), std::size_t{2});
    }

private:
    template <typename T>
    T* child(const char* name)
    {
        auto* found = window->findChild<T*>(name);
        if (!found) qFatal("no %s", name);
        return found;
    }

    ScriptedPrompter prompter;
    int releases = 0;
    std::unique_ptr<ColourMixerWindow> window;
};

}  // namespace tallimo::ui

QTEST_MAIN(tallimo::ui::ColourMixerWindowTest)
#include "colour_mixer_window_test.moc"
