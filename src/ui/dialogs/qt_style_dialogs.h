#pragma once

#include "appearance/style_dialogs.h"

class QWidget;

namespace tallimo::ui {

class QtFontDialog : public FontDialog {
public:
    explicit QtFontDialog(QWidget* parent = nullptr) : parent_(parent) {}
    std::optional<FontChoice> chooseFont(const FontChoice& current) override;

private:
    QWidget* parent_;
};

class QtColourDialog : public ColourDialog {
public:
    explicit QtColourDialog(QWidget* parent = nullptr) : parent_(parent) {}
    std::optional<Colour> chooseColour(Colour current) override;

private:
    QWidget* parent_;
};

}  // namespace tallimo::ui
