#pragma once

#include "tape/clipboard.h"

namespace tallimo::ui {

// The desktop's clipboard, text only.
class QtClipboard : public Clipboard {
public:
    void clear() override;
    void setText(std::string_view text) override;
    std::optional<std::string> text() const override;
};

}  // namespace tallimo::ui
