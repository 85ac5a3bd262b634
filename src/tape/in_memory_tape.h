#pragma once
// A tape held in a string, for tests, benchmarks and anything without a window.

#include "tape/tape.h"
#include "tape/utf8.h"

namespace tallimo {

class InMemoryTape : public Tape {
public:
    void append(std::string_view text) override
    {
        text_ += text;
        changed();
    }
    void removeLastCharacter() override
    {
        dropLastCharacter(text_);
        selectionStart_ = selectionEnd_ = 0;
        changed();
    }
    bool isEmpty() const override { return text_.empty(); }
    std::string text() const override { return text_; }
    void setText(std::string_view text) override
    {
        text_ = text;
        selectionStart_ = selectionEnd_ = 0;
        changed();
    }
    std::string selectedText() const override { return text_.substr(selectionStart_, selectionEnd_ - selectionStart_); }
    void replaceSelection(std::string_view text) override
    {
        text_.replace(selectionStart_, selectionEnd_ - selectionStart_, text);
        selectionEnd_ = selectionStart_ + text.size();
        selectionStart_ = selectionEnd_;
        changed();
    }

    // Byte offsets into the text, as a test selects with the mouse.
    void select(std::size_t start, std::size_t end)
    {
        selectionStart_ = std::min(start, text_.size());
        selectionEnd_ = std::min(std::max(start, end), text_.size());
    }
    // The user typing at the end of the tape.
    void type(std::string_view text) { append(text); }

private:
    std::string text_;
    std::size_t selectionStart_ = 0;
    std::size_t selectionEnd_ = 0;
};

}  // namespace tallimo
