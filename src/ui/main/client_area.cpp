#include "ui/main/client_area.h"

#include <QPaintEvent>
#include <QPainter>

namespace tallimo::ui {

void ClientArea::setBackground(const QColor& colour)
{
    if (colour == background_) return;
    background_ = colour;
    update();
}

void ClientArea::paintEvent(QPaintEvent* event)
{
    if (!background_.isValid()) return;
    QPainter painter(this);
    painter.fillRect(event->rect(), background_);
}

}  // namespace tallimo::ui
