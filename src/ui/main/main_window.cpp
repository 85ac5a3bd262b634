#include "ui/main/main_window.h"

#include "ui/accessibility/reading.h"
#include "ui/adapters/qt_text.h"
#include "ui/appearance/qt_colour.h"
#include "ui/appearance/readable_text.h"
#include "ui/main/background_picture.h"
#include "ui/main/client_area.h"
#include "ui/main/display_box.h"
#include "ui/main/main_window_controls.h"
#include "ui/twips.h"
#include "ui/widgets/keyboard_keys.h"
#include "ui/widgets/one_size_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tallimo::ui {

namespace {

using C = Control;

constexpr int kWidthTwips = 6660;
// The heights count the title bar, the borders and the menu bar as the window was
// designed; the client area shows what is left: the upper band alone at the short
// height (the lower band starts at 4560), both bands at the tall one.
constexpr int kDesignedFrameTwips = 705;
constexpr int kBorderTwips = 120;

constexpr int kOutputFontPoints = 12;
constexpr int kKeyFontPoints = 8;

const QColor kBlack{0, 0, 0};
const QColor kGreen{0, 255, 0};
const QColor kDarkRed{128, 0, 0};
const QColor kRed{255, 0, 0};
const QColor kDateBoxColour{255, 192, 128};
const QColor kPanelGrey{192, 192, 192};

// A box whose background the design gives: its text in the design's colour, or
// where the design leaves that open, in one that reads on the background.
void setBoxColours(QWidget& box, const QColor& background, const QColor& text)
{
    QPalette palette = box.palette();
    palette.setColor(QPalette::Base, background);
    if (text.isValid()) palette.setColor(QPalette::Text, text);
    box.setPalette(palette);
    if (!text.isValid()) setTextColoursFor(box, background, {QPalette::Text});
}

QWidget* makeWidget(ControlKind kind, const char* caption, QWidget* parent, QTextEdit& tape)
{
    const QString text = QString::fromUtf8(caption);
    switch (kind) {
    case ControlKind::Background: return new BackgroundPicture(parent);
    case ControlKind::Frame: {
        // Panels under the keys, light against the dark background. Only a frame
        // with a caption needs a group box; a plain panel is much cheaper to draw.
        QWidget* frame = nullptr;
        if (text.isEmpty()) {
            auto* panel = new QFrame(parent);
            panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
            readAsGroup(*panel);
            frame = panel;
        } else {
            frame = new QGroupBox(text, parent);
        }
        paintBackground(*frame, kPanelGrey);
        setTextColoursFor(*frame, kPanelGrey, {QPalette::WindowText, QPalette::Text});
        return frame;
    }
    case ControlKind::Picture: {
        auto* picture = new QFrame(parent);
        picture->setAutoFillBackground(true);
        return picture;
    }
    case ControlKind::Button: return new QPushButton(text, parent);
    case ControlKind::DisplayBox: return new DisplayBox(parent);
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(parent);
        readBoxWhole(*box);
        return box;
    }
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(text, parent);
        // The calculator decides which option is set, not the group.
        option->setAutoExclusive(false);
        readAsOption(*option);
        // The memory panel's option buttons stand on the panel's grey.
        setTextColoursFor(*option, kPanelGrey);
        return option;
    }
    case ControlKind::CheckBox: return new QCheckBox(text, parent);
    case ControlKind::Tape:
        tape.setParent(parent);
        giveMenuShortcutsPrecedence(tape);
        // Tab moves on to the next control rather than trap the keyboard on the tape;
        // a tab character opened or pasted onto it stays.
        tape.setTabChangesFocus(true);
        return &tape;
    }
    return nullptr;
}

QString nameOf(Control control)
{
    const std::string_view name = controlName(control);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// The memory panel: the cells with their send buttons and delete boxes, and the
// panel's two keys.
bool isPanelControl(Control control)
{
    const auto at = [control](Control first, int count) {
        return control >= first && static_cast<int>(control) < static_cast<int>(first) + count;
    };
    return at(C::optMemory_0, kMemoryCellCount) || at(C::txtOutput_1, kMemoryCellCount) ||
           at(C::chkDelete_0, kMemoryCellCount) || control == C::cmdCancel || control == C::cmdDeleteMemory;
}

bool isAngleKey(Control control)
{
    return std::ranges::any_of(kAngleModes, [control](AngleMode mode) { return controlOf(mode) == control; });
}

// The angle mode in force, in the words of its key's accessible name. Its key is
// disabled, and Tab passes over a disabled key: the keys' group says the mode.
QString angleUnit(const std::string& mode)
{
    if (mode == "Radian") return QStringLiteral("radians");
    if (mode == "Gradient") return QStringLiteral("gradients");
    return QStringLiteral("degrees");
}

bool isPopupItem(Control control) { return controlName(control).starts_with("PopUp"); }

// The memory panel lies in the lower band, which the window does not show at start,
// and the popup waits for a right click: the first frame needs neither.
bool isBuiltLate(Control control) { return isPanelControl(control) || isPopupItem(control); }

// The panel shows with its cells. Its cancel key alone is the design's state before
// start-up hides it, which no one sees.
bool panelShown(const MainControls& flags)
{
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        if (isPanelControl(control) && control != C::cmdCancel && flags.visible(control)) return true;
    }
    return false;
}

}  // namespace

MainWindow::MainWindow(Calculator& calculator, QTextEdit& tape, CompanionFactory companions)
    : calculator_(calculator), tape_(tape), makeCompanion_(std::move(companions))
{
    // Before any control is built, so that none is drawn in the desktop's own text
    // colours first.
    keepDesktopTextReadable();
    setObjectName(QStringLiteral("frmTallimo"));
    setWindowTitle(QStringLiteral("Tallimo"));

    client_ = new ClientArea(this);
    QFont keys = client_->font();
    keys.setPointSize(kKeyFontPoints);
    client_->setFont(keys);
    setCentralWidget(client_);
    buildMenuBar(*menuBar(), actions_);
    buildControls(false);
    keys_ = new KeyboardKeys(*this, [this] { return popupMenu(); });
    keys_->adopt();
    connectClicks(false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    keepOneSize(*this);
    // Another window sending a value, the user typing on the tape: whatever changes
    // the calculator outside a click shows at once.
    calculator_.controls().onChange([this] {
        if (dispatching_ == 0) render();
    });
    render();
}

MainWindow::~MainWindow()
{
    // The window's children, the tape among them, die after this window's own members.
    calculator_.controls().onChange({});
}

void MainWindow::buildControls(bool late)
{
    for (const ControlDesign& design : mainWindowDesign()) {
        if (isBuiltLate(design.control) != late) continue;
        QWidget* parent = isAngleKey(design.control) ? angleKeys() : client_;
        QWidget* w = makeWidget(design.kind, design.caption, parent, tape_);
        w->setObjectName(nameOf(design.control));
        w->setGeometry(design.place.toPixels().translated(-parent->mapTo(client_, QPoint(0, 0))));
        if (*design.tooltip != '\0') w->setToolTip(QString::fromUtf8(design.tooltip));
        w->setAccessibleName(QString::fromUtf8(design.accessibleName));
        widgets_[index(design.control)] = w;
    }
    if (late) return;
    // A right click between the angle keys still reaches the background's popup.
    angleKeys_->setMask(angleKeys_->childrenRegion());
    background_ = static_cast<BackgroundPicture*>(widgets_[index(C::pctBackGround)]);
    background_->setPopupMenu([this] { return popupMenu(); });
    for (C clockBox : {C::txtDate, C::txtTime}) {
        setBoxColours(*widget(clockBox), kDateBoxColour, kRed);
        // Read with the eyes, not worked with the keys: Tab passes them by.
        widget(clockBox)->setFocusPolicy(Qt::ClickFocus);
    }
}

QWidget* MainWindow::angleKeys()
{
    if (angleKeys_ != nullptr) return angleKeys_;
    // Made with the first angle key, so that the keys keep their place in the Tab
    // order and above the background.
    QRect place;
    for (const ControlDesign& design : mainWindowDesign()) {
        if (isAngleKey(design.control)) place |= design.place.toPixels();
    }
    angleKeys_ = new QWidget(client_);
    readAsGroup(*angleKeys_);
    angleKeys_->setObjectName(QStringLiteral("angleKeys"));
    angleKeys_->setGeometry(place);
    return angleKeys_;
}

void MainWindow::renderAngleUnit()
{
    const QString unit = angleUnit(calculator_.fields().strAngleMode);
    if (angleKeys_->accessibleDescription().endsWith(unit)) return;
    angleKeys_->setAccessibleDescription(QStringLiteral("Angles in ") + unit);
    // A screen reader says a group's name, not its description, as the focus enters.
    angleKeys_->setAccessibleName(QStringLiteral("Angle unit, ") + unit);
}

void MainWindow::completeBuild()
{
    if (lateBuilt_) return;
    buildLate();
    render();
}

void MainWindow::buildLate()
{
    lateBuilt_ = true;
    buildControls(true);
    popup_ = buildPopupMenu(*this, actions_);
    connectClicks(true);
    keys_->adopt();
}

QMenu* MainWindow::popupMenu()
{
    completeBuild();
    return popup_;
}

void MainWindow::connectClicks(bool late)
{
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        if (isBuiltLate(control) != late) continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widgets_[i])) {
            connect(button, &QAbstractButton::clicked, this, [this, control] { clicked(control); });
        } else if (QAction* item = actions_[i]) {
            connect(item, &QAction::triggered, this, [this, control] { clicked(control); });
        }
    }
}

void MainWindow::onClick(Control control, std::function<void()> handler)
{
    std::function<void()>& bound = handlers_[index(control)];
    if (bound) throw std::logic_error("a second handler for " + std::string(controlName(control)));
    bound = std::move(handler);
}

void MainWindow::clicked(Control control)
{
    // The handler may show a message box, which renders before it opens; the
    // changes meanwhile need no screen of their own.
    if (const auto& handler = handlers_[index(control)]) renderOnceAfter(handler);
    else render();
}

void MainWindow::renderOnceAfter(const std::function<void()>& steps)
{
    ++dispatching_;
    steps();
    --dispatching_;
    render();
}

void MainWindow::render()
{
    const MainControls& flags = calculator_.controls();
    if (!lateBuilt_ && panelShown(flags)) buildLate();
    QWidget* const focused = focusWidget();
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const auto control = static_cast<Control>(i);
        const bool visible = flags.visible(control);
        if (QWidget* w = widgets_[i]) {
            w->setEnabled(flags.enabled(control));
            if (w->isHidden() == visible) w->setVisible(visible);
            auto* button = qobject_cast<QAbstractButton*>(w);
            if (button != nullptr && button->isCheckable()) button->setChecked(flags.checked(control));
        } else if (QAction* item = actions_[i]) {
            item->setEnabled(flags.enabled(control));
            item->setVisible(visible);
            if (item->isCheckable()) item->setChecked(flags.checked(control));
        }
    }
    setTextIfChanged(*static_cast<QLineEdit*>(widgets_[index(C::txtInput)]), calculator_.inputText());
    for (int k = 0; k <= kMemoryCellCount; ++k) {
        if (auto* box = static_cast<QLineEdit*>(widgets_[index(memoryCell(k))]))
            setTextIfChanged(*box, calculator_.output(k));
    }
    renderAngleUnit();
    if (shownHeight_ != flags.height()) applyHeight(flags.height());
    renderPanelBacking();
    // A key that disabled itself, or a panel that closed, took the focus with it: Qt
    // would pass it on to whatever follows in the Tab order.
    if (focused != nullptr && !(focused->isEnabled() && focused->isVisibleTo(this))) focusKey();
}

void MainWindow::renderPanelBacking()
{
    const bool shown = panelShown(calculator_.controls());
    if (shown && panelBacking_ == nullptr) {
        // The panel is a set of controls over the tape; without a backing of its own
        // the tape's text shows between them. Built the first time the panel shows.
        auto* backing = new QFrame(client_);
        backing->setObjectName(QStringLiteral("memoryPanelBacking"));
        backing->setFrameStyle(QFrame::Panel | QFrame::Raised);
        paintBackground(*backing, kPanelGrey);
        backing->setGeometry(widget(C::txtSpool)->geometry());
        backing->stackUnder(widget(C::optMemory_0));
        panelBacking_ = backing;
    }
    if (panelBacking_ != nullptr && panelBacking_->isHidden() == shown) panelBacking_->setVisible(shown);
}

void MainWindow::focusKey()
{
    const auto canTakeFocus = [this](QWidget* w) {
        return qobject_cast<QPushButton*>(w) != nullptr && w->isEnabled() && w->isVisibleTo(this) &&
               (w->focusPolicy() & Qt::TabFocus) != 0;
    };
    QWidget* key = widget(C::cmdDigit_1);
    for (QWidget* w = client_->nextInFocusChain(); !canTakeFocus(key); w = w->nextInFocusChain()) {
        if (w == client_) return;  // no key can take it
        key = w;
    }
    key->setFocus(Qt::OtherFocusReason);
}

void MainWindow::setBackground(const QColor& colour) { client_->setBackground(colour); }

QColor MainWindow::background() const { return client_->background(); }

void MainWindow::applyHeight(WindowHeight height)
{
    const int twips = height == WindowHeight::Short ? kShortHeightTwips : kTallHeightTwips;
    client_->setFixedSize(twipsToPixels(kWidthTwips - kBorderTwips), twipsToPixels(twips - kDesignedFrameTwips));
    layout()->activate();
    shownHeight_ = height;
}

void MainWindow::start()
{
    renderOnceAfter([this] {
        calculator_.start();
        loadCompanions();
        applyStartColours();
    });
    focusKey();
}

// Each window takes the start colour through its own setter, from whoever knows its
// kind: a palette on the whole window would blacken its menu bar and its labels too.
void MainWindow::loadCompanions()
{
    for (Companion kind : kCompanionLoadOrder) {
        auto& window = companions_[static_cast<std::size_t>(kind)];
        if (!window) window = makeCompanion_(kind);
    }
}

void MainWindow::applyStartColours()
{
    paintBackground(*background_, kBlack);
    setBackground(kBlack);
    setBoxColours(*widget(C::txtInput), kGreen, {});
    setBoxColours(*widget(C::txtOutput_0), kGreen, kDarkRed);
    // The number being built reads as large as the result.
    for (C box : {C::txtInput, C::txtOutput_0}) {
        QFont font = widget(box)->font();
        font.setPointSize(kOutputFontPoints);
        widget(box)->setFont(font);
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (closingRoutine_ && !closingRoutine_()) {
        event->ignore();
        return;
    }
    // Every window goes with the main one, without asking questions of its own.
    for (auto& window : companions_) {
        if (window) window->hide();
    }
    event->accept();
}

}  // namespace tallimo::ui
