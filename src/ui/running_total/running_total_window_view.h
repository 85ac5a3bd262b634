#pragma once
// The running-total window frmRunningTotal: shows the total and sends it to the
// calculator. It renders RunningTotalWindow and forwards its clicks there.

#include "memory/running_total_window.h"

#include <QColor>
#include <QMainWindow>

class QLineEdit;
class QMenu;
class QRadioButton;

namespace tallimo {

class RunningTotalWindowView : public QMainWindow {
    Q_OBJECT
public:
    explicit RunningTotalWindowView(RunningTotalWindow& model, QWidget* parent = nullptr);

    // The colour schemes give this window the main window's background.
    void setBackgroundColour(const QColor& colour);

    void render();

    // Loaded hidden at start, the window builds its menus and controls the first
    // time it shows. This builds them now, for whoever needs them before that.
    void ensureBuilt();
    void setVisible(bool visible) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void showTotal();

    RunningTotalWindow& model_;
    QColor background_;  // none until a scheme gives one
    QLineEdit* txtRunningTotal_ = nullptr;
    QRadioButton* optSendCalc_ = nullptr;
    QMenu* mnuPopUp_ = nullptr;
};

}  // namespace tallimo
