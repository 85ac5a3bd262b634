#pragma once
// The running-total window frmRunningTotal: shows the total and sends it to the
// calculator. It renders RunningTotalWindowModel and forwards its clicks there.

#include "memory/running_total_window_model.h"
#include "ui/built_on_first_show.h"

#include <QColor>
#include <QMainWindow>

class QLineEdit;
class QMenu;
class QRadioButton;

namespace tallimo::ui {

class RunningTotalWindow : public BuiltOnFirstShow<QMainWindow> {
    Q_OBJECT
public:
    explicit RunningTotalWindow(RunningTotalWindowModel& model, QWidget* parent = nullptr);

    // The colour schemes give this window the main window's background.
    void setBackground(const QColor& colour);

    void render();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build() override;
    void showTotal();

    RunningTotalWindowModel& model_;
    QColor background_;  // none until a scheme gives one
    QLineEdit* txtRunningTotal_ = nullptr;
    QRadioButton* optSendCalc_ = nullptr;
    QMenu* mnuPopUp_ = nullptr;
};

}  // namespace tallimo::ui
