#pragma once
// The tape's formatting in its QTextEdit: the same widget whose text TextEditTape
// reads and writes.

#include "appearance/tape_style.h"

class QTextEdit;
class QTextCharFormat;

namespace tallimo::ui {

class TextEditStyle : public TapeStyle {
public:
    explicit TextEditStyle(QTextEdit& edit) : edit_(edit) {}

    bool wholeSelectionHas(FontAttribute attribute) const override;
    void setOnSelection(FontAttribute attribute, bool on) override;
    void setSelectionColour(Colour colour) override;
    FontChoice font() const override;
    void setFont(const FontChoice& font) override;

private:
    bool has(const QTextCharFormat& format, FontAttribute attribute) const;

    QTextEdit& edit_;
};

}  // namespace tallimo::ui
