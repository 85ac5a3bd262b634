#pragma once
// The accessible text of a one-line box that the program fills. Qt 6.4's own
// interface for a line edit asks QTextBoundaryFinder for the word at the end of the
// text and never gets an answer: the program hangs on a screen reader's first
// Ctrl+Right. It also reports a selection and runs of attributes that nobody sees.
// This one answers every offset and every kind of boundary from the text alone, at
// once, and reads the box whole: one run of attributes, no selection.

#include <QAccessibleWidget>

namespace tallimo::ui {

class BoxTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit BoxTextAccessible(QWidget* box);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;

    // QAccessibleTextInterface
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    // The boxes take no selection: they hold one number, copied whole or not at all.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}

private:
    QString shown() const;
};

}  // namespace tallimo::ui
