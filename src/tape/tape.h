#pragma once
// The tape as the core sees it. The text lives in the widget (the user may type into
// it and style it); the core only appends, trims and reads through this port. Texts
// are UTF-8; a "character" is one Unicode character.

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tallimo {

class Tape {
public:
    virtual ~Tape() = default;

    // Adds text after the last character, keeping the styling of what is there.
    virtual void append(std::string_view text) = 0;
    virtual void removeLastCharacter() = 0;
    virtual bool isEmpty() const = 0;
    virtual std::string text() const = 0;
    // Replaces the whole content (opening a document, clearing a tape).
    virtual void setText(std::string_view text) = 0;
    virtual std::string selectedText() const = 0;
    virtual void replaceSelection(std::string_view text) = 0;

    // `listener` runs after every change of the text, whoever made it, until it is
    // removed with the number returned here.
    std::size_t onChange(std::function<void()> listener)
    {
        listeners_.push_back(std::move(listener));
        return listeners_.size() - 1;
    }
    void stopListening(std::size_t listener) { listeners_.at(listener) = nullptr; }
    bool hasListeners() const
    {
        return std::any_of(listeners_.begin(), listeners_.end(), [](const auto& l) { return l != nullptr; });
    }

protected:
    void changed()
    {
        for (const auto& listener : listeners_)
            if (listener) listener();
    }

private:
    std::vector<std::function<void()>> listeners_;
};

}  // namespace tallimo
