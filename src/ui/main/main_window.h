#pragma once
// The calculator's main window. It shows what the calculator holds and forwards
// clicks to it: every control is built from the design table, found again by its
// control, and render() copies the calculator's boxes and its enabled, visible and
// checked flags onto the widgets.

#include "calculator/calculator.h"
#include "common/main_controls.h"
#include "ui/main/companion_windows.h"
#include "ui/main/main_window_menus.h"

#include <QMainWindow>
#include <QTextEdit>
#include <QTimer>

#include <array>
#include <bitset>
#include <functional>
#include <memory>

namespace tallimo::ui {

class BackgroundPicture;
class ClientArea;
class KeyboardKeys;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // `tape` becomes the window's txtSpool; the window takes it over.
    MainWindow(Calculator& calculator, QTextEdit& tape, CompanionFactory companions);
    ~MainWindow() override;

    // Start-up: the calculator's own start, then the companion windows loaded
    // hidden, the window's start colours and the clock.
    void start();

    // Runs `handler` when the control is clicked (key, option button, check box or
    // menu item), then renders. A later registration replaces an earlier one. A
    // check box, option button or checkable menu item shows the calculator's checked
    // flag after the click: a handler that lets a mark change records it there.
    void onClick(Control control, std::function<void()> handler);

    // Shows the calculator's state. Clicks render by themselves; anything else that
    // changes the calculator (another window sending a value) calls this.
    void render();

    // Asked by every way of closing the window (the close box, DESTROY, Destroy in
    // the menus); false keeps the program running. Without one the window closes.
    void setClosingRoutine(std::function<bool()> routine) { closingRoutine_ = std::move(routine); }

    // The window's own background: its client area, not the menu bar.
    void setBackground(const QColor& colour);
    QColor background() const;

    // What the first frame does not show, the memory panel and the popup menu, is
    // built here, just after it; anything that asks for one of them builds them
    // at once, and a panel the calculator shows is built before it renders.
    void completeBuild();

    // The widget of a control, or nothing for a menu item.
    QWidget* widget(Control control);
    // The menu item of a control, or nothing for a widget.
    QAction* action(Control control);
    QMenu* popupMenu();
    QTextEdit& tape() const { return tape_; }
    QTimer& clock() const { return *clock_; }
    // A companion window, once start() has loaded it.
    QWidget* companion(Companion kind) const { return companions_[static_cast<std::size_t>(kind)].get(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    static std::size_t index(Control c) { return static_cast<std::size_t>(c); }

    // The controls built at start, or those built late.
    void buildControls(bool late);
    // The angle keys' group, which says the mode in force to a screen reader.
    QWidget* angleKeys();
    void renderAngleUnit();
    void buildLate();
    // Forwards the clicks of every control not yet connected.
    void connectClicks();
    void clicked(Control control);
    void loadCompanions();
    void applyStartColours();
    void applyHeight(WindowHeight height);
    void renderPanelBacking();
    // Gives the keyboard focus to the digit 1, or to the first key in Tab order
    // that can take it.
    void focusKey();

    Calculator& calculator_;
    QTextEdit& tape_;
    CompanionFactory makeCompanion_;
    ClientArea* client_ = nullptr;
    KeyboardKeys* keys_ = nullptr;
    BackgroundPicture* background_ = nullptr;
    QWidget* panelBacking_ = nullptr;  // none until the memory panel first shows
    QWidget* angleKeys_ = nullptr;
    QMenu* popup_ = nullptr;
    QTimer* clock_ = nullptr;
    std::array<QWidget*, kControlCount> widgets_{};
    ActionTable actions_{};
    std::array<std::function<void()>, kControlCount> handlers_;
    std::bitset<kControlCount> connected_;
    bool lateBuilt_ = false;
    std::array<std::unique_ptr<QWidget>, kCompanionLoadOrder.size()> companions_;
    std::function<bool()> closingRoutine_;
    std::optional<WindowHeight> shownHeight_;
    int dispatching_ = 0;
};

}  // namespace tallimo::ui
