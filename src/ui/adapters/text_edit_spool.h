#pragma once
// The tape as a QTextEdit holds it. Appending and trimming work with a cursor at
// the end of the document, so they cost the same on a long tape as on a short one
// and leave the styling of earlier text alone. The whole text is read only by the
// commands that need all of it (saving, printing).

#include "spool/spool.h"

#include <QTextEdit>

namespace tallimo::ui {

class TextEditSpool : public Spool {
public:
    explicit TextEditSpool(QTextEdit& edit);

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
};

}  // namespace tallimo::ui
