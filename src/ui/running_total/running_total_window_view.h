#pragma once
// The running-total window frmRunningTotal: shows the total and sends it to the
// calculator. It renders RunningTotalWindow and forwards its clicks there.

#include "memory/running_total_window.h"

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

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    RunningTotalWindow& model_;
    QLineEdit* txtRunningTotal_;
    QRadioButton* optSendCalc_;
    QMenu* mnuPopUp_;
};

}  // namespace tallimo
