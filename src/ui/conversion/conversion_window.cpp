#include "ui/conversion/conversion_window.h"

#include "ui/adapters/qt_text.h"
#include "ui/twips.h"
#include "ui/widgets/keyboard_keys.h"
#include "ui/widgets/one_size_window.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace tallimo::ui {

namespace {

void present(QLineEdit* box, const std::string& text, ControlFlags flags)
{
    setTextIfChanged(*box, text);
    box->setVisible(flags.visible);
    box->setEnabled(flags.enabled);
}

void present(QWidget* widget, ControlFlags flags)
{
    widget->setVisible(flags.visible);
    widget->setEnabled(flags.enabled);
}

}  // namespace

Answer ConversionWindow::RenderingPrompter::ask(const Message& message)
{
    window_.render();
    return inner_.ask(message);
}

ConversionWindow::ConversionWindow(ConversionKind kind, CalculatorEntry& calculator, Prompter& prompter,
                                   QWidget* parent)
    : BuiltOnFirstShow(parent, Qt::Window), prompter_(*this, prompter), model_(kind, calculator, prompter_)
{
    const WindowDesign& design = model_.design();
    setObjectName(QString::fromUtf8(design.name.data(), static_cast<qsizetype>(design.name.size())));
    setWindowTitle(QString::fromUtf8(design.caption.data(), static_cast<qsizetype>(design.caption.size())));
    keepOneSize(*this);
}

ConversionWindow::~ConversionWindow() = default;

void ConversionWindow::build()
{
    buildMenus();
    buildClient();
    auto* keys = new KeyboardKeys(*this, [this] { return popup_; });
    keys->adopt();
    render();
}

void ConversionWindow::open()
{
    ensureBuilt();
    model_.open();
    render();
    show();
    raise();
    activateWindow();
}

void ConversionWindow::setBackground(const QColor& colour)
{
    background_ = colour;
    paintBackgrounds();
}

void ConversionWindow::closeEvent(QCloseEvent* event)
{
    // A window that is already out of sight has nothing left to lose.
    if (!model_.shown()) {
        event->accept();
        return;
    }
    if (model_.requestClose()) {
        event->accept();
        emit closed();
    } else {
        event->ignore();
        render();
    }
}

void ConversionWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (event->spontaneous()) return;
    model_.open();
    render();
    focusKeypad();
}

void ConversionWindow::optionSelected(int id)
{
    if (rendering_) return;
    if (id == kResetId) {
        model_.chooseReset();
    } else if (id == kSendId) {
        model_.chooseSend();
    } else {
        const TargetWidget& target = targets_.at(static_cast<std::size_t>(id - kFirstTargetId));
        if (model_.shownUnit() == target.unit) model_.chooseTarget(target.index);
    }
    render();
}

void ConversionWindow::unitChosen(std::size_t unit, MenuOrigin place)
{
    model_.chooseUnit(unit, place);
    render();
    focusKeypad();
}

void ConversionWindow::focusKeypad()
{
    if (keypadOne_ != nullptr && keypadOne_->isVisibleTo(this)) keypadOne_->setFocus(Qt::OtherFocusReason);
}

void ConversionWindow::exitChosen()
{
    switch (model_.requestExit()) {
    case ExitOutcome::Closed:
        hide();
        emit closed();
        break;
    case ExitOutcome::Hidden:
        hide();
        break;
    case ExitOutcome::Stays:
        render();
        break;
    }
}

void ConversionWindow::showPopup(const QPoint& globalPosition) { popup_->popup(globalPosition); }

void ConversionWindow::render()
{
    // Unbuilt, there is nothing to show; the model keeps what the controls will show.
    if (client_ == nullptr) return;
    const bool wasRendering = rendering_;
    rendering_ = true;
    const WindowDesign& design = model_.design();

    // Collapsed, only the title and the menu bar show.
    client_->setVisible(model_.expanded());
    const int fullHeight = twipsToPixels(design.expandedHeight - design.collapsedHeight);
    const int clientHeight = model_.expanded() ? fullHeight : 0;
    setFixedSize(clientWidth_, menuBar()->sizeHint().height() + clientHeight);

    present(txtInput_, model_.input(), model_.flags(ConversionControl::TxtInput));
    present(txtOutput_, model_.output(), model_.flags(ConversionControl::TxtOutput));
    lblInput_->setText(QString::fromStdString(model_.amountLabel()));
    lblConvert_->setText(QString::fromStdString(model_.convertLabel()));
    lblResult_->setText(QString::fromStdString(model_.resultLabel()));
    present(lblInput_, model_.flags(ConversionControl::LblInput));
    present(lblConvert_, model_.flags(ConversionControl::LblConvert));
    present(lblResult_, model_.flags(ConversionControl::LblResult));
    present(optReset_, model_.flags(ConversionControl::OptReset));
    present(optSendCalc_, model_.flags(ConversionControl::OptSendCalc));
    for (const TargetWidget& target : targets_) {
        target.button->setVisible(model_.targetVisible(target.unit));
        target.button->setEnabled(model_.targetsEnabled());
    }
    renderSelection();
    rendering_ = wasRendering;
}

void ConversionWindow::renderSelection()
{
    const Selection selection = model_.selection();
    optReset_->setChecked(selection.kind == Selection::Kind::Reset);
    optSendCalc_->setChecked(selection.kind == Selection::Kind::Send);
    QAbstractButton* wanted = nullptr;
    for (const TargetWidget& target : targets_) {
        if (selection.kind == Selection::Kind::Target && target.unit == selection.unit &&
            target.index == selection.index)
            wanted = target.button;
    }
    if (wanted != nullptr) {
        if (!wanted->isChecked()) wanted->setChecked(true);
    } else if (QAbstractButton* checked = options_->checkedButton()) {
        // An exclusive group cannot be emptied by unchecking its one checked button.
        options_->setExclusive(false);
        checked->setChecked(false);
        options_->setExclusive(true);
    }
    // The shown unit's buttons are one Tab stop, as a group of radio buttons is: the
    // checked one, else the top one. The arrow keys move within them.
    QAbstractButton* tabStop = nullptr;
    for (const TargetWidget& target : targets_) {
        if (!model_.targetVisible(target.unit)) continue;
        if (target.button == wanted) {
            tabStop = wanted;
            break;
        }
        if (tabStop == nullptr || target.button->y() < tabStop->y()) tabStop = target.button;
    }
    for (const TargetWidget& target : targets_)
        target.button->setFocusPolicy(target.button == tabStop ? Qt::TabFocus : Qt::NoFocus);
}

}  // namespace tallimo::ui
