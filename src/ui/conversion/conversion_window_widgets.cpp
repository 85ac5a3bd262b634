// Building the conversion window's controls and menus from its design.

#include "ui/conversion/conversion_window.h"

#include "ui/accessibility/reading.h"
#include "ui/appearance/qt_colour.h"
#include "ui/appearance/readable_text.h"
#include "ui/twips.h"
#include "ui/widgets/fitted_text_box.h"

#include <QAction>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <functional>

namespace tallimo::ui {

namespace {

constexpr int kOptionHeight = 240;
constexpr int kLabelHeight = 450;
// The amount and result boxes are 885 twips high: three lines of the window's font.
constexpr int kBoxLines = 3;

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QRect twips(int x, int y, int width, int height)
{
    return {twipsToPixels(x), twipsToPixels(y), twipsToPixels(width), twipsToPixels(height)};
}

// The window's free area: a right-button press on it, and not on a control, opens
// the popup menu. It paints the window's colour itself: its palette's window colour
// is white, which every option button and label on it fills its background with and
// writes its text to read on.
class FreeArea : public QWidget {
public:
    FreeArea(std::function<void(const QPoint&)> rightPressed, QWidget* parent)
        : QWidget(parent), rightPressed_(std::move(rightPressed))
    {
        QPalette white = palette();
        white.setColor(QPalette::Window, Qt::white);
        setPalette(white);
        setTextColoursFor(*this, Qt::white);
    }

    void setBackground(const QColor& colour)
    {
        if (colour == background_) return;
        background_ = colour;
        update();
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::RightButton && childAt(event->position().toPoint()) == nullptr) {
            event->accept();
            rightPressed_(event->globalPosition().toPoint());
            return;
        }
        QWidget::mousePressEvent(event);
    }

    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), background_);
    }

private:
    std::function<void(const QPoint&)> rightPressed_;
    QColor background_ = Qt::black;
};

// The boxes are filled by the program alone: no keys, no paste, no drop, no menu.
// A result or an amount wider than the box shows whole, over the box's lines.
QLineEdit* textBox(const char* name, const char* tooltip, const char* accessibleName, QWidget* parent)
{
    auto* box = new FittedTextBox(parent);
    readBoxWhole(*box);
    box->setLineCount(kBoxLines);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setContextMenuPolicy(Qt::PreventContextMenu);
    box->setAcceptDrops(false);
    box->setToolTip(tooltip);
    box->setAccessibleName(accessibleName);
    return box;
}

QLabel* label(const char* name, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setAutoFillBackground(true);
    return l;
}

QRadioButton* option(const QString& name, const QString& caption, const QString& tooltip, QWidget* parent)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(tooltip);
    button->setAutoExclusive(false);
    paintWhite(*button);
    return button;
}

}  // namespace

void ConversionWindow::buildMenus()
{
    const WindowDesign& design = model_.design();
    QMenu* unitMenu = menuBar()->addMenu(text(design.unitMenuCaption));
    unitMenu->setObjectName(text(design.unitMenuName));
    for (std::size_t u = 0; u < design.units.size(); ++u) {
        QAction* item = unitMenu->addAction(text(design.units[u].caption));
        item->setObjectName(text(design.units[u].menuItem));
        connect(item, &QAction::triggered, this, [this, u] { unitChosen(u, MenuOrigin::MenuBar); });
    }
    QAction* exit = menuBar()->addAction(QStringLiteral("&Exit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &ConversionWindow::exitChosen);

    // Never on the bar: it opens on a right click on the free area.
    popup_ = new QMenu(text(design.popupCaption), this);
    popup_->setObjectName(QStringLiteral("mnuPopUp"));
    QMenu* popupUnits = popup_->addMenu(text(design.popupUnitMenuCaption));
    popupUnits->setObjectName(text(design.popupUnitMenuName));
    for (const int u : design.popupOrder) {
        const auto unit = static_cast<std::size_t>(u);
        QAction* item = popupUnits->addAction(text(design.units[unit].caption));
        item->setObjectName(text(design.units[unit].popupItem));
        connect(item, &QAction::triggered, this, [this, unit] { unitChosen(unit, MenuOrigin::Popup); });
    }
    QAction* popupExit = popup_->addAction(text(design.popupExitCaption));
    popupExit->setObjectName(QStringLiteral("PopUpExit"));
    connect(popupExit, &QAction::triggered, this, &ConversionWindow::exitChosen);
}

void ConversionWindow::buildClient()
{
    const WindowDesign& design = model_.design();
    auto* client = new FreeArea([this](const QPoint& at) { showPopup(at); }, this);
    client->setBackground(background_);
    client_ = client;
    setCentralWidget(client_);
    // The layout in twips was drawn for an 8-point font.
    QFont font = client_->font();
    font.setPointSize(8);
    client_->setFont(font);

    lblInput_ = label("lblInput", client_);
    lblInput_->setGeometry(twips(layout::inputX, layout::labelY, layout::boxWidth, kLabelHeight));
    lblConvert_ = label("lblConvert", client_);
    const int convertWidth = design.resultX - design.convertLabelX - 60;
    lblConvert_->setGeometry(twips(design.convertLabelX, layout::labelY, convertWidth, kLabelHeight));
    lblResult_ = label("lblResult", client_);
    lblResult_->setGeometry(twips(design.resultX, layout::labelY, layout::boxWidth, kLabelHeight));

    txtInput_ = textBox("txtInput", "enter initial value here", "Amount", client_);
    txtInput_->setGeometry(twips(layout::inputX, layout::boxY, layout::boxWidth, layout::boxHeight));
    txtOutput_ = textBox("txtOutput", "converted equivelant appears here", "Result", client_);
    txtOutput_->setGeometry(twips(design.resultX, layout::boxY, layout::boxWidth, layout::boxHeight));

    const int buttonsWidth = design.width - design.buttonsX - 60;
    optReset_ = option(QStringLiteral("optReset"), QStringLiteral("Reset"),
                       QStringLiteral("resets the coversion swatch values to zero"), client_);
    optReset_->setGeometry(twips(design.buttonsX, layout::resetY, buttonsWidth, kOptionHeight));
    optReset_->setAccessibleName(QStringLiteral("Reset"));
    optSendCalc_ = option(QStringLiteral("optSendCalc"), QStringLiteral("Send to Calculator"),
                          QStringLiteral("sends the result to Tallimo"), client_);
    optSendCalc_->setGeometry(twips(design.buttonsX, layout::sendY, buttonsWidth, kOptionHeight));
    optSendCalc_->setAccessibleName(QStringLiteral("Send to calculator"));
    // A wider font than the one the layout was drawn for widens the window, not clips.
    const int sendWidth = std::max(optSendCalc_->width(), optSendCalc_->sizeHint().width());
    optSendCalc_->resize(sendWidth, optSendCalc_->height());
    clientWidth_ = std::max(twipsToPixels(design.width), optSendCalc_->geometry().right() + 4);
    // One of many with the target buttons too, which renderSelection() keeps so; but
    // in no group with them, where the arrow keys would choose Reset or Send.
    for (const auto& [button, id] : {std::pair{optReset_, kResetId}, std::pair{optSendCalc_, kSendId}}) {
        readAsOption(*button);
        connect(button, &QAbstractButton::toggled, this, [this, id = id](bool checked) {
            if (checked) optionSelected(id);
            else if (!rendering_) render();  // chosen again: it stays selected
        });
    }
    buildTargets();

    // 1 2 3 / 4 5 6 / 7 8 9 / . 0, made in the order Tab follows.
    for (const int i : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0}) {
        const int column = i == 10 ? 0 : i == 0 ? 1 : (i - 1) % 3;
        const int row = i == 10 || i == 0 ? 3 : (i - 1) / 3;
        auto* key = new QPushButton(i == 10 ? QStringLiteral(".") : QString::number(i), client_);
        key->setObjectName(QStringLiteral("Keypad_%1").arg(i));
        key->setAccessibleName(i == 10 ? QStringLiteral("Point") : QStringLiteral("Digit %1").arg(i));
        key->setGeometry(twips(design.buttonsX + column * layout::keyColumnStep, layout::keyRowY[row],
                               layout::keySize, layout::keySize));
        connect(key, &QPushButton::clicked, this, [this, i] {
            model_.pressKeypad(i);
            render();
        });
        if (i == 1) keypadOne_ = key;
    }
}

void ConversionWindow::buildTargets()
{
    const WindowDesign& design = model_.design();
    const int width = design.resultX - layout::targetX - 60;
    options_ = new QButtonGroup(this);
    options_->setExclusive(true);
    connect(options_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) optionSelected(id);
    });
    for (std::size_t u = 0; u < design.units.size(); ++u) {
        const SourceUnit& unit = design.units[u];
        for (const TargetButton& target : unit.targets) {
            const QString name = QStringLiteral("%1_%2").arg(text(unit.group)).arg(target.index);
            auto* button = option(name, text(target.caption), text(target.tooltip), client_);
            button->setAccessibleName(QStringLiteral("Convert to %1").arg(text(target.caption)));
            button->setAutoExclusive(true);  // read as a radio button; its group keeps it one of many
            const int y = layout::firstRowY + (target.row - 1) * layout::rowStep;
            button->setGeometry(twips(layout::targetX, y, width, kOptionHeight));
            options_->addButton(button, kFirstTargetId + static_cast<int>(targets_.size()));
            targets_.push_back({u, target.index, button});
        }
    }
}

void ConversionWindow::paintBackgrounds()
{
    if (client_ != nullptr) static_cast<FreeArea*>(client_)->setBackground(background_);
}

}  // namespace tallimo::ui
