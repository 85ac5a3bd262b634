#pragma once
// The tape as a QTextEdit holds it. Appending and trimming work with a cursor at
// the end of the document, so they cost the same on a long tape as on a short one
// and leave the styling of earlier text alone. The whole text is read only by the
// commands that need all of it (saving, printing). The view follows the end of the
// tape as a terminal does: while the end is in view, new text keeps it in view;
// scrolled up to read, the view stays where the user put it.

#include "tape/tape.h"

#include <QTextEdit>

namespace tallimo::ui {

class TextEditTape : public Tape {
public:
    explicit TextEditTape(QTextEdit& edit);

    void append(std::string_view text) override;
    void removeLastCharacter() override;
    bool isEmpty() const override;
    std::string text() const override;
    void setText(std::string_view text) override;
    std::string selectedText() const override;
    void replaceSelection(std::string_view text) override;

    QTextEdit& edit() { return edit_; }

private:
    QTextEdit& edit_;
    bool followsEnd_ = true;
    // The whole text is being replaced: the view is no one's to move meanwhile.
    bool replacing_ = false;
};

}  // namespace tallimo::ui
