// The colour mixer window: the sliders' effect on the labels and the mixed colour,
// and the questions of its close box and Exit.

#include "support/scripted_prompter.h"
#include "ui/appearance/qt_colour.h"
#include "ui/colour/colour_mixer_window.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QSlider>
#include <QTest>

namespace tallimo::ui {

class ColourMixerWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        prompter = testing::ScriptedPrompter();
        releases = 0;
        window = std::make_unique<ColourMixerWindow>(prompter, [this] { ++releases; });
        window->open(kBlack);
    }

    void theSlidersShowTheMixAndTheirOwnComponent()
    {
        QCOMPARE(window->objectName() + " " + window->windowTitle(), QString("frmColour TallimoPalette"));
        child<QSlider>("sldRed")->setValue(255);
        QCOMPARE(backgroundOf(*child<QFrame>("pctRGB")).number(), 255u);
        QCOMPARE(child<QLabel>("lblRGB_0")->text(), QString("255"));
        QCOMPARE(backgroundOf(*child<QLabel>("lblRed")), (Colour{255, 0, 0}));

        child<QSlider>("sldGreen")->setValue(128);
        QCOMPARE(backgroundOf(*child<QFrame>("pctRGB")).number(), 33023u);
        QCOMPARE(child<QLabel>("lblRGB_1")->text(), QString("128"));
    }

    void theCloseBoxAndExitAskAndGiveTheColourEntriesBackWhateverTheAnswer()
    {
        prompter.script({Answer::No});
        QVERIFY(!window->close());
        QCOMPARE(releases, 1);
        prompter.script({Answer::Yes, Answer::Yes});  // Exit's question, then the close box's
        child<QAction>("mnuExit")->trigger();
        QVERIFY(!window->isVisible());
        QCOMPARE(prompter.asked.size(), std::size_t{3});  // no third question on the way out
        QCOMPARE(releases, 3);
    }

private:
    template <typename T>
    T* child(const char* name) { return window->findChild<T*>(name); }

    testing::ScriptedPrompter prompter;
    int releases = 0;
    std::unique_ptr<ColourMixerWindow> window;
};

}  // namespace tallimo::ui

QTEST_MAIN(tallimo::ui::ColourMixerWindowTest)
#include "colour_mixer_window_test.moc"
