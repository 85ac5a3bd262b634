#pragma once
// pctBackGround: the picture box behind every control of the main window. A right
// press on it, and only on it, opens the popup menu at the mouse.

#include <QMenu>
#include <QPointer>
#include <QWidget>

namespace tallimo::ui {

class BackgroundPicture : public QWidget {
    Q_OBJECT
public:
    explicit BackgroundPicture(QWidget* parent) : QWidget(parent) {}

    void setPopupMenu(QMenu* menu) { popup_ = menu; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QPointer<QMenu> popup_;
};

}  // namespace tallimo::ui
