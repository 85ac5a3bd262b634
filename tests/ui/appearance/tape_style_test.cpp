// The FONT menu on a real QTextEdit: bold, italic and underline on a selection,
// the selection's colour and the box's font; and the system clock.

#include "appearance/tape_formatting.h"
#include "ui/appearance/system_clock.h"
#include "ui/appearance/text_edit_style.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace tallimo::ui {

namespace {

class NoDialogs : public FontDialog, public ColourDialog {
public:
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return font; }
    std::optional<Colour> chooseColour(Colour current) override
    {
        colourShownWith = current;
        return colour;
    }
    std::optional<FontChoice> font;
    std::optional<Colour> colour;
    Colour colourShownWith;
};

QTextCharFormat formatAt(QTextEdit& edit, int position)
{
    QTextCursor cursor(edit.document());
    cursor.setPosition(position + 1);  // a cursor reports the character before it
    return cursor.charFormat();
}

QString boldPattern(QTextEdit& edit)
{
    QString out;
    for (int i = 0; i < edit.toPlainText().size(); ++i) out += formatAt(edit, i).fontWeight() >= QFont::Bold ? '1' : '0';
    return out;
}

void select(QTextEdit& edit, int from, int to)
{
    QTextCursor cursor(edit.document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
}

}  // namespace

class TapeStyleTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        edit = std::make_unique<QTextEdit>();
        edit->setPlainText("12 + 3\n= 15#");
        style = std::make_unique<TextEditStyle>(*edit);
        formatting = std::make_unique<TapeFormatting>(controls, *style, dialogs, dialogs);
    }

    void boldMakesAPartlyBoldSelectionBoldAndTogglesAFullyBoldOne()
    {
        select(*edit, 4, 5);
        style->setOnSelection(FontAttribute::Bold, true);
        QCOMPARE(boldPattern(*edit), QString("000010000000"));

        select(*edit, 3, 9);
        QVERIFY(!style->wholeSelectionHas(FontAttribute::Bold));
        formatting->toggle(FontAttribute::Bold);
        QCOMPARE(boldPattern(*edit), QString("000111111000"));
        QVERIFY(controls.checked(Control::mnuBold));

        formatting->toggle(FontAttribute::Bold);
        QCOMPARE(boldPattern(*edit), QString("000000000000"));
        QVERIFY(!controls.checked(Control::mnuBold));
        formatting->toggle(FontAttribute::Bold);
        QCOMPARE(boldPattern(*edit), QString("000111111000"));
        QVERIFY(controls.checked(Control::mnuBold));
    }

    void italicAndUnderlineAreTheirOwn()
    {
        select(*edit, 0, 2);
        formatting->toggle(FontAttribute::Italic);
        formatting->toggle(FontAttribute::Underline);
        formatting->toggle(FontAttribute::Italic);
        QVERIFY(!formatAt(*edit, 1).fontItalic());
        QVERIFY(formatAt(*edit, 1).fontUnderline());
        QVERIFY(!formatAt(*edit, 2).fontUnderline());
        QVERIFY(!style->wholeSelectionHas(FontAttribute::Bold));
    }

    void colourReachesOnlyTheSelectionAndACancelChangesNothing()
    {
        select(*edit, 0, 2);
        dialogs.colour = Colour{255, 0, 0};
        formatting->chooseColour();
        QCOMPARE(formatAt(*edit, 0).foreground().color(), QColor(255, 0, 0));
        QCOMPARE(formatAt(*edit, 1).foreground().color(), QColor(255, 0, 0));
        QVERIFY(!formatAt(*edit, 2).hasProperty(QTextFormat::ForegroundBrush));

        dialogs.colour.reset();
        formatting->chooseColour();
        QCOMPARE(dialogs.colourShownWith, (Colour{255, 0, 0}));  // the dialog opens on the last choice
        QCOMPARE(formatAt(*edit, 0).foreground().color(), QColor(255, 0, 0));
    }

    void styleSetsTheBoxFontUnderTheSelectionsFormatting()
    {
        select(*edit, 0, 1);
        formatting->toggle(FontAttribute::Bold);
        const QString family = edit->font().family();
        dialogs.font = FontChoice{family.toStdString(), 17};
        formatting->chooseFont();
        QCOMPARE(edit->font().pointSizeF(), 17.0);
        QCOMPARE(style->font(), (FontChoice{family.toStdString(), 17}));
        QVERIFY(formatAt(*edit, 0).fontWeight() >= QFont::Bold);
    }

    void clockWritesTheTimeWithSecondsAndADate()
    {
        SystemClock clock;
        QVERIFY(!clock.timeText().empty());
        QVERIFY(!clock.shortDateText().empty());
        QVERIFY(QString::fromStdString(clock.timeText()).contains(QRegularExpression("\\d+\\D\\d+\\D\\d+")));
    }

private:
    MainControls controls;
    NoDialogs dialogs;
    std::unique_ptr<QTextEdit> edit;
    std::unique_ptr<TextEditStyle> style;
    std::unique_ptr<TapeFormatting> formatting;
};

}  // namespace tallimo::ui

QTEST_MAIN(tallimo::ui::TapeStyleTest)
#include "tape_style_test.moc"
