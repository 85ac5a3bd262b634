#include "ui/main/companion_windows.h"

namespace tallimo::ui {

namespace {

struct CompanionName {
    const char* objectName;
    const char* caption;
};

CompanionName nameOf(Companion kind)
{
    switch (kind) {
    case Companion::Colour: return {"frmColour", "TallimoPalette"};
    case Companion::Weight: return {"frmWeight", "TallimoWeight"};
    case Companion::Volume: return {"frmVolume", "TallimoVolume"};
    case Companion::Distance: return {"frmDistance", "TallimoDistance"};
    case Companion::RunningTotal: return {"frmRunningTotal", "TallimoRunningTotal"};
    }
    return {"", ""};
}

}  // namespace

std::unique_ptr<QWidget> makePlaceholderWindow(Companion kind)
{
    const CompanionName name = nameOf(kind);
    auto window = std::make_unique<QWidget>();
    window->setObjectName(QString::fromLatin1(name.objectName));
    window->setWindowTitle(QString::fromLatin1(name.caption));
    return window;
}

void paintBackground(QWidget& widget, const QColor& colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, colour);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

}  // namespace tallimo::ui
