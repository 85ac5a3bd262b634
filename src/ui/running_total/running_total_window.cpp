#include "ui/running_total/running_total_window.h"

#include "ui/accessibility/reading.h"
#include "ui/adapters/qt_text.h"
#include "ui/appearance/qt_colour.h"
#include "ui/twips.h"
#include "ui/widgets/fitted_text_box.h"
#include "ui/widgets/keyboard_keys.h"
#include "ui/widgets/one_size_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRadioButton>

#include <algorithm>

namespace tallimo::ui {

namespace {

QRect twipsRect(int left, int top, int width, int height) { return TwipsRect{left, top, width, height}.toPixels(); }

}  // namespace

RunningTotalWindow::RunningTotalWindow(RunningTotalWindowModel& model, QWidget* parent)
    : BuiltOnFirstShow(parent), model_(model)
{
    setObjectName("frmRunningTotal");
    setWindowTitle("TallimoRunningTotal");
    keepOneSize(*this);
    model_.onChange([this] { render(); });
    render();
}

void RunningTotalWindow::build()
{
    auto* client = new QWidget(this);
    client->setObjectName("clientArea");
    client->setFixedSize(twipsToPixels(4290), twipsToPixels(1590));
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    if (background_.isValid()) setBackground(background_);

    txtRunningTotal_ = new FittedTextBox(client);
    readBoxWhole(*txtRunningTotal_);
    txtRunningTotal_->setObjectName("txtRunningTotal");
    txtRunningTotal_->setAccessibleName("Running total");
    txtRunningTotal_->setGeometry(twipsRect(240, 360, 3735, 375));
    // The total is only ever put here by the calculator; typing is discarded.
    txtRunningTotal_->setReadOnly(true);

    optSendCalc_ = new QRadioButton("Send To Calculator", client);
    optSendCalc_->setObjectName("optSendCalc");
    optSendCalc_->setAccessibleName("Send to calculator");
    // The designed width cuts the caption short in the desktop's fonts: the button
    // grows leftwards, its right edge staying under the text box's.
    const QRect designed = twipsRect(2640, 960, 1335, 375);
    const int width = std::max(designed.width(), optSendCalc_->sizeHint().width());
    optSendCalc_->setGeometry(designed.x() + designed.width() - width, designed.y(), width, designed.height());
    optSendCalc_->setAutoExclusive(false);
    readAsOption(*optSendCalc_);
    paintWhite(*optSendCalc_);
    connect(optSendCalc_, &QRadioButton::clicked, this, [this] {
        optSendCalc_->setChecked(false);  // used as a push button: it never stays selected
        model_.sendTotal();
    });

    QAction* mnuExit = menuBar()->addAction("&Exit");
    mnuExit->setObjectName("mnuExit");
    connect(mnuExit, &QAction::triggered, this, [this] { model_.exitTotalWindow(); });

    mnuPopUp_ = new QMenu("PopupMenu", this);
    mnuPopUp_->setObjectName("mnuPopUp");
    QAction* popupExit = mnuPopUp_->addAction("Exit");
    popupExit->setObjectName("PopupExit");
    connect(popupExit, &QAction::triggered, this, [this] { model_.exitTotalWindow(); });

    auto* keys = new KeyboardKeys(*this, [this] { return mnuPopUp_; });
    keys->adopt();

    adjustSize();
    setFixedSize(size());
    showTotal();
}

void RunningTotalWindow::setBackground(const QColor& colour)
{
    background_ = colour;
    if (centralWidget() != nullptr) paintBackground(*centralWidget(), colour);
}

void RunningTotalWindow::render()
{
    showTotal();
    if (model_.visible() != isVisible()) setVisible(model_.visible());
}

void RunningTotalWindow::showTotal()
{
    if (txtRunningTotal_ == nullptr) return;
    setTextIfChanged(*txtRunningTotal_, model_.text());
}

void RunningTotalWindow::mousePressEvent(QMouseEvent* event)
{
    // Only a press on the window's own background opens the popup, not one that a
    // control or the menu bar passed on.
    QWidget* under = childAt(event->position().toPoint());
    if (event->button() == Qt::RightButton && (under == nullptr || under == centralWidget())) {
        mnuPopUp_->popup(event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QMainWindow::mousePressEvent(event);
}

void RunningTotalWindow::closeEvent(QCloseEvent* event)
{
    if (model_.visible()) model_.exitTotalWindow();
    event->accept();
}

}  // namespace tallimo::ui
