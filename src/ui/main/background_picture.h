#pragma once
// pctBackGround: the picture box behind every control of the main window. A right
// press on it, and only on it, opens the popup menu at the mouse.

#include <QMenu>
#include <QWidget>

#include <functional>

namespace tallimo::ui {

class BackgroundPicture : public QWidget {
    Q_OBJECT
public:
    explicit BackgroundPicture(QWidget* parent) : QWidget(parent) {}

    // `popup` gives the window's popup, which may be built late.
    void setPopupMenu(std::function<QMenu*()> popup) { popup_ = std::move(popup); }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::function<QMenu*()> popup_;
};

}  // namespace tallimo::ui
