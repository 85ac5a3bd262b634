#include "ui/colour/colour_mixer_window.h"

#include "ui/appearance/qt_colour.h"
#include "ui/twips.h"
#include "ui/widgets/one_size_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QSlider>

namespace tallimo::ui {

namespace {

constexpr int kWidth = twipsToPixels(7545);
constexpr int kHeight = twipsToPixels(2660);

struct ComponentNames {
    const char* slider;
    const char* sliderAccessible;
    const char* nameLabel;
    const char* caption;
    const char* nameTip;
    const char* valueTip;
};

constexpr ComponentNames kComponents[] = {
    {"sldRed", "Red", "lblRed", "RED", "Red hue of slider value", "RGB value for red"},
    {"sldGreen", "Green", "lblGreen", "GREEN", "Green hue of slider value", "RGB value for green"},
    {"sldBlue", "Blue", "lblBlue", "BLUE", "Blue hue of slider value", "RGB value for blue"},
};

}  // namespace

ColourMixerWindow::ColourMixerWindow(Prompter& prompter, std::function<void()> releaseColourItems, QWidget* parent)
    : BuiltOnFirstShow(parent, Qt::Window), mixer_(prompter, std::move(releaseColourItems))
{
    setObjectName("frmColour");
    setWindowTitle("TallimoPalette");
    setFixedSize(kWidth, kHeight);
    keepOneSize(*this);
}

void ColourMixerWindow::build()
{
    auto* menuBar = new QMenuBar(this);
    keepDesktopBackground(*menuBar);
    exit_ = menuBar->addAction("&Exit");
    exit_->setObjectName("mnuExit");
    connect(exit_, &QAction::triggered, this, &ColourMixerWindow::exit);

    auto* grid = new QGridLayout(this);
    grid->setMenuBar(menuBar);
    for (int i = 0; i < 3; ++i) {
        const ComponentNames& names = kComponents[i];
        auto* name = new QLabel(names.caption, this);
        name->setObjectName(names.nameLabel);
        name->setToolTip(names.nameTip);
        name->setAlignment(Qt::AlignCenter);
        name->setMinimumWidth(60);
        name->setAccessibleName(QString(names.sliderAccessible) + " hue");

        auto* slider = new QSlider(Qt::Horizontal, this);
        slider->setObjectName(names.slider);
        slider->setRange(0, kSliderMaximum);
        slider->setSingleStep(kSliderSmallStep);
        slider->setPageStep(kSliderLargeStep);
        slider->setToolTip("Move slider to set value");
        slider->setAccessibleName(QString(names.sliderAccessible) + " component");
        const auto component = static_cast<Component>(i);
        connect(slider, &QSlider::valueChanged, this, [this, component](int value) {
            mixer_.move(component, value);
            render();
        });

        auto* value = new QLabel("0", this);
        value->setObjectName(QString("lblRGB_%1").arg(i));
        value->setToolTip(names.valueTip);
        value->setMinimumWidth(30);
        value->setAccessibleName(QString(names.sliderAccessible) + " value");
        // Black text would vanish on the black scheme; a white box reads on all four.
        value->setAlignment(Qt::AlignCenter);
        paintLabel(*value, kWhite, kBlack);

        grid->addWidget(name, i, 0);
        grid->addWidget(slider, i, 1);
        grid->addWidget(value, i, 2);
        nameLabels_[i] = name;
        sliders_[i] = slider;
        valueLabels_[i] = value;
    }
    mixed_ = new QFrame(this);
    mixed_->setObjectName("pctRGB");
    mixed_->setToolTip("Returns mix palette value for the RGB");
    mixed_->setAccessibleName("Mixed colour");
    mixed_->setFrameShape(QFrame::Box);
    mixed_->setMinimumWidth(100);
    grid->addWidget(mixed_, 0, 3, 3, 1);
    grid->setColumnStretch(1, 1);
}

void ColourMixerWindow::open(Colour background)
{
    ensureBuilt();
    const bool fresh = !mixer_.isOpen();
    mixer_.open(background);
    if (fresh) {
        for (QSlider* slider : sliders_) {
            const QSignalBlocker quiet(slider);
            slider->setValue(0);
        }
    }
    render();
    show();
    raise();
    activateWindow();
}

void ColourMixerWindow::setBackground(Colour colour)
{
    mixer_.setBackground(colour);
    paintBackground(*this, toQColor(colour));
}

void ColourMixerWindow::render()
{
    paintBackground(*this, toQColor(mixer_.background()));
    paintBackground(*mixed_, toQColor(mixer_.mixed()));
    for (int i = 0; i < 3; ++i) {
        const auto component = static_cast<Component>(i);
        valueLabels_[i]->setText(QString::fromStdString(mixer_.valueText(component)));
        paintLabel(*nameLabels_[i], mixer_.nameLabelBackground(component), mixer_.nameLabelText());
    }
}

void ColourMixerWindow::exit()
{
    if (!mixer_.exit()) return;
    closingConfirmed_ = true;
    close();
}

void ColourMixerWindow::closeEvent(QCloseEvent* event)
{
    const bool confirmed = closingConfirmed_ || mixer_.requestClose();
    closingConfirmed_ = false;
    if (confirmed) {
        event->accept();
    } else {
        event->ignore();
    }
}

}  // namespace tallimo::ui
