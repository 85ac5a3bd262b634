#pragma once
// The colour mixer frmColour: red, green and blue sliders, the mixed colour and
// each component's value. Modeless; the main window keeps one and opens it again.

#include "appearance/colour_mixer_window_model.h"
#include "ui/built_on_first_show.h"

#include <QWidget>

#include <array>

class QAction;
class QFrame;
class QLabel;
class QSlider;

namespace tallimo::ui {

class ColourMixerWindow : public BuiltOnFirstShow<QWidget> {
    Q_OBJECT

public:
    ColourMixerWindow(Prompter& prompter, std::function<void()> releaseColourItems, QWidget* parent = nullptr);

    // Shows the mixer; a closed one opens afresh in the background given.
    void open(Colour background);
    // The scheme in force, whether the mixer is shown or not.
    void setBackground(Colour colour);
    const ColourMixerWindowModel& mixer() const { return mixer_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void build() override;
    void exit();
    void render();

    ColourMixerWindowModel mixer_;
    std::array<QSlider*, 3> sliders_{};
    std::array<QLabel*, 3> valueLabels_{};
    std::array<QLabel*, 3> nameLabels_{};
    QFrame* mixed_ = nullptr;
    QAction* exit_ = nullptr;
    bool closingConfirmed_ = false;  // Exit has asked already
};

}  // namespace tallimo::ui
