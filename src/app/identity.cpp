#include "app/identity.h"

#include <QApplication>
#include <QIcon>

namespace tallimo::app {

void setApplicationIdentity()
{
    QApplication::setApplicationName(QStringLiteral("Tallimo"));
    QApplication::setApplicationVersion(QStringLiteral(TALLIMO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TALLIMO_APP_ID));
}

void setApplicationIcon()
{
    QIcon icon;
    for (int size : {48, 64, 128, 256}) icon.addFile(QStringLiteral(":/icons/tallimo-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
}

}  // namespace tallimo::app
