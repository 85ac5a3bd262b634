#include "ui/main/background_picture.h"

#include <QMouseEvent>

namespace tallimo::ui {

void BackgroundPicture::mousePressEvent(QMouseEvent* event)
{
    // The keys and boxes are siblings laid over the picture, not its children, so a
    // press that a key ignores travels to their common parent and never lands here;
    // the check keeps that true should anything be placed inside the picture.
    const bool onPicture = childAt(event->position().toPoint()) == nullptr;
    if (event->button() == Qt::RightButton && onPicture && popup_) popup_()->popup(event->globalPosition().toPoint());
    event->accept();
}

}  // namespace tallimo::ui
