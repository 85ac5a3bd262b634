#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tallimo {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void clear() = 0;
    virtual void setText(std::string_view text) = 0;
    // Nothing when the clipboard holds no text.
    virtual std::optional<std::string> text() const = 0;
};

}  // namespace tallimo
