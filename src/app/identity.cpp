#include "app/identity.h"

#include "app/resource_icon_engine.h"

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
    QApplication::setWindowIcon(QIcon(new ResourceIconEngine(QStringLiteral(":/icons/tallimo-%1.png"), {48, 64, 128, 256})));
}

}  // namespace tallimo::app
