#pragma once

#include <QColor>
#include <QWidget>

namespace tallimo::ui {

// The main window's client area. It paints its background colour itself instead of
// through its palette: a palette colour would pass to every control on it, which
// costs each of them a palette of its own and gives them a colour they do not want.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) {}

    void setBackground(const QColor& colour);
    QColor background() const { return background_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor background_;
};

}  // namespace tallimo::ui
