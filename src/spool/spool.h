#pragma once
// The tape as the core sees it. The text lives in the widget (the user may type into
// it and style it); the core only appends, trims and reads through this port. Texts
// are UTF-8; a "character" is one Unicode character.

#include <functional>
#include <string>
#include <string_view>

namespace tallimo {

class Spool {
public:
    virtual ~Spool() = default;

    // Adds text after the last character, keeping the styling of what is there.
    virtual void append(std::string_view text) = 0;
    virtual void removeLastCharacter() = 0;
    virtual bool isEmpty() const = 0;
    virtual std::string text() const = 0;
    // Replaces the whole content (opening a document, clearing a page).
    virtual void setText(std::string_view text) = 0;
    virtual std::string selectedText() const = 0;
    virtual void replaceSelection(std::string_view text) = 0;

    // Called after every change of the text, whoever made it.
    void onChange(std::function<void()> listener) { listener_ = std::move(listener); }
    bool hasListener() const { return static_cast<bool>(listener_); }

protected:
    void changed()
    {
        if (listener_) listener_();
    }

private:
    std::function<void()> listener_;
};

}  // namespace tallimo
