// The FONT menu on a real QTextEdit: bold on a selection, and a cancelled colour.

#include "appearance/tape_formatting.h"
#include "ui/appearance/text_edit_style.h"

#include <QTest>
#include <QTextCursor>
#include <QTextEdit>

namespace tallimo::ui {

namespace {

// Both dialogs cancelled.
class CancelledDialogs : public FontDialog, public ColourDialog {
public:
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return std::nullopt; }
    std::optional<Colour> chooseColour(Colour) override { return std::nullopt; }
};

// 1 for each bold character, 0 for the others; a cursor reports the one before it.
QString boldPattern(QTextEdit& edit)
{
    QString out;
    QTextCursor cursor(edit.document());
    while (cursor.movePosition(QTextCursor::NextCharacter))
        out += cursor.charFormat().fontWeight() >= QFont::Bold ? '1' : '0';
    return out;
}

}  // namespace

class TapeStyleTest : public QObject {
    Q_OBJECT

private slots:
    void boldMakesAPartlyBoldSelectionBoldAndTogglesAFullyBoldOne()
    {
        edit.setPlainText("12 + 3\n= 15#");
        select(4, 5);
        style.setOnSelection(FontAttribute::Bold, true);
        QCOMPARE(boldPattern(edit), QString("000010000000"));
        select(3, 9);
        for (const char* expected : {"000111111000", "000000000000", "000111111000"}) {
            formatting.toggle(FontAttribute::Bold);
            QCOMPARE(boldPattern(edit), QString(expected));
            QCOMPARE(controls.checked(Control::mnuBold), expected[3] == '1');
        }
    }

    void aCancelledColourDialogChangesNothing()
    {
        edit.setPlainText("12 + 3");
        select(0, 4);
        formatting.chooseColour();
        QVERIFY(!edit.textCursor().charFormat().hasProperty(QTextFormat::ForegroundBrush));
    }

private:
    void select(int from, int to)
    {
        QTextCursor cursor(edit.document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        edit.setTextCursor(cursor);
    }

    MainControls controls;
    CancelledDialogs dialogs;
    QTextEdit edit;
    TextEditStyle style{edit};
    TapeFormatting formatting{controls, style, dialogs, dialogs};
};

}  // namespace tallimo::ui

QTEST_MAIN(tallimo::ui::TapeStyleTest)
#include "tape_style_test.moc"
