// The tape on a real QTextEdit: appends keep what the user styled, line feeds make
// lines, trimming takes one character, and every change is reported.

#include "test_registry.h"

#include "ui/adapters/qt_clipboard.h"
#include "ui/adapters/text_edit_spool.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace tallimo::testing {

class TextEditSpoolTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        edit_ = std::make_unique<QTextEdit>();
        spool_ = std::make_unique<ui::TextEditSpool>(*edit_);
        changes_ = 0;
        spool_->onChange([this] { ++changes_; });
    }
    void cleanup()
    {
        spool_.reset();
        edit_.reset();
    }

    void aBoldRunStaysBoldAfterAppends()
    {
        spool_->append("12 + 3 = 15#\n");
        QTextCursor bold(edit_->document());
        bold.setPosition(0);
        bold.setPosition(2, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setFontWeight(QFont::Bold);
        bold.mergeCharFormat(format);
        const std::string before = spool_->text();

        spool_->append("7");
        spool_->append(" * 2 = 14#\n");

        QCOMPARE(QString::fromStdString(spool_->text()), QString::fromStdString(before + "7 * 2 = 14#\n"));
        QCOMPARE(formatAt(1).fontWeight(), int(QFont::Bold));
        QCOMPARE(formatAt(2).fontWeight(), int(QFont::Normal));
        // The new line starts plain, not in the style of what stood last.
        bold.movePosition(QTextCursor::End);
        bold.setPosition(before.size() - 1, QTextCursor::KeepAnchor);
        bold.mergeCharFormat(format);
        spool_->append("9");
        QCOMPARE(formatAt(int(before.size()) + 12).fontWeight(), int(QFont::Normal));
    }

    void appendsAndTrims_data()
    {
        QTest::addColumn<QStringList>("appends");
        QTest::addColumn<int>("trims");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("lines");
        QTest::newRow("keys") << QStringList{"1", "2", " + "} << 0 << "12 + " << 1;
        QTest::newRow("a result line") << QStringList{"12", " = 15#\n"} << 0 << "12 = 15#\n" << 2;
        QTest::newRow("two lines") << QStringList{"1 = 1#\n", "2 = 2#\n"} << 0 << "1 = 1#\n2 = 2#\n" << 3;
        QTest::newRow("C after a result takes the line feed") << QStringList{"12 = 15#\n"} << 1 << "12 = 15#" << 1;
        QTest::newRow("C takes one character") << QStringList{"123"} << 1 << "12" << 1;
        QTest::newRow("C on an empty tape") << QStringList{} << 1 << "" << 1;
        QTest::newRow("C takes a whole accented letter") << QStringList{"5 °é"} << 1 << "5 °" << 1;
    }
    void appendsAndTrims()
    {
        QFETCH(QStringList, appends);
        QFETCH(int, trims);
        QFETCH(QString, text);
        QFETCH(int, lines);
        for (const QString& a : appends) spool_->append(a.toStdString());
        for (int i = 0; i < trims; ++i) spool_->removeLastCharacter();
        QCOMPARE(QString::fromStdString(spool_->text()), text);
        QCOMPARE(edit_->document()->blockCount(), lines);
        QCOMPARE(spool_->isEmpty(), text.isEmpty());
    }

    void everyChangeIsReported()
    {
        spool_->append("12");
        QCOMPARE(changes_, 1);
        spool_->removeLastCharacter();
        QCOMPARE(changes_, 2);
        edit_->show();
        edit_->setFocus();
        QTest::keyClicks(edit_.get(), "ab");
        QCOMPARE(changes_, 4);
        spool_->setText("");
        QCOMPARE(changes_, 5);
    }

    void theSelectionComesBackWithLineFeeds()
    {
        spool_->append("1 = 1#\n2 = 2#\n");
        QTextCursor c(edit_->document());
        c.setPosition(4);
        c.setPosition(9, QTextCursor::KeepAnchor);
        edit_->setTextCursor(c);
        QCOMPARE(QString::fromStdString(spool_->selectedText()), "1#\n2 ");
        spool_->replaceSelection("");
        QCOMPARE(QString::fromStdString(spool_->text()), "1 = = 2#\n");
    }

    void theClipboardHoldsTextOrNothing()
    {
        ui::QtClipboard clipboard;
        clipboard.setText("3.5 °");
        QCOMPARE(QString::fromStdString(clipboard.text().value_or("none")), "3.5 °");
        clipboard.clear();
        QVERIFY(!clipboard.text().has_value());
    }

private:
    QTextCharFormat formatAt(int position)
    {
        QTextCursor c(edit_->document());
        c.setPosition(position + 1);  // the format of the character before the cursor
        return c.charFormat();
    }

    std::unique_ptr<QTextEdit> edit_;
    std::unique_ptr<ui::TextEditSpool> spool_;
    int changes_ = 0;
};

TALLIMO_WINDOW_TEST(TextEditSpoolTest)

}  // namespace tallimo::testing

#include "text_edit_spool_test.moc"
