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

#include <array>
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
    // hidden and the window's start colours.
    void start();

    // Runs `handler` when the control is clicked (key, option button, check box or
    // menu item), then renders. A control has one handler: a second one for the same
    // control throws std::logic_error, so that no binding silently replaces another.
    // A check box, option button or checkable menu item shows the calculator's checked
    // flag after the click: a handler that lets a mark change records it there.
    void onClick(Control control, std::function<void()> handler);
    bool isBound(Control control) const { return static_cast<bool>(handlers_[index(control)]); }

    // Shows the calculator's state. The window renders by itself after each click,
    // and whenever the calculator reports a change outside one; a message box about
    // to open calls this, so that the screen shows the state of that moment.
    void render();

    // Runs `steps`, each of which may change the calculator, and renders once after
    // them all rather than after each.
    void renderOnceAfter(const std::function<void()>& steps);

    // Asked by every way of closing the window (the close box, DESTROY, Destroy in
    // the menus); false keeps the program running. Without one the window closes.
    void setClosingRoutine(std::function<bool()> routine) { closingRoutine_ = std::move(routine); }

    // The window's own background: its client area, not the menu bar.
    void setBackground(const QColor& colour);
    QColor background() const;

    // What the first frame does not show, the memory panel and the popup menu, is
    // built here, just after it. Before then, the first need builds them: the
    // calculator showing the panel, or the popup being asked for.
    void completeBuild();

    // The widget of a control: nothing for a menu item, nor for a control of the
    // memory panel before completeBuild().
    QWidget* widget(Control control) const { return widgets_[index(control)]; }
    // The menu item of a control: nothing for a widget, nor for an item of the popup
    // before completeBuild().
    QAction* action(Control control) const { return actions_[index(control)]; }
    // The right-click popup, built if it is not yet.
    QMenu* popupMenu();
    QTextEdit& tape() const { return tape_; }
    // A companion window, once start() has loaded it.
    QWidget* companion(Companion kind) const { return companions_[static_cast<std::size_t>(kind)].get(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    static std::size_t index(Control c) { return static_cast<std::size_t>(c); }

    // The controls built at start, or those built late, with their clicks forwarded.
    void buildControls(bool late);
    void connectClicks(bool late);
    // The angle keys' group, which says the mode in force to a screen reader.
    QWidget* angleKeys();
    void renderAngleUnit();
    void buildLate();
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
    std::array<QWidget*, kControlCount> widgets_{};
    ActionTable actions_{};
    std::array<std::function<void()>, kControlCount> handlers_;
    bool lateBuilt_ = false;
    std::array<std::unique_ptr<QWidget>, kCompanionLoadOrder.size()> companions_;
    std::function<bool()> closingRoutine_;
    std::optional<WindowHeight> shownHeight_;
    int dispatching_ = 0;
};

}  // namespace tallimo::ui
