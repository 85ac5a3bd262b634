#include "ui/shutdown/display_loss.h"

#include <QCoreApplication>
#include <QString>
#include <QThread>

#include <mutex>
#include <cstring>

namespace tallimo::ui {

namespace {

QtMessageHandler previousHandler = nullptr;
std::function<void(bool)> saveOnLoss;
// On Wayland both threads may meet the broken connection; each ends the process
// as soon as its warning is written, so the second waits here for the first's save.
std::mutex saving;
bool saved = false;

void watchMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (previousHandler) previousHandler(type, context, message);
    if (type != QtWarningMsg || !saveOnLoss || !saysTheDisplayIsLost(qPrintable(message))) return;
    const std::lock_guard<std::mutex> one(saving);
    if (saved) return;
    saved = true;
    const QCoreApplication* application = QCoreApplication::instance();
    saveOnLoss(application != nullptr && QThread::currentThread() == application->thread());
}

}  // namespace

bool saysTheDisplayIsLost(const char* message)
{
    // Qt 6's words, from its X11 and Wayland platform plugins.
    for (const char* lastWords :
         {"The X11 connection broke", "The Wayland connection broke", "The Wayland connection experienced a fatal error"}) {
        if (std::strncmp(message, lastWords, std::strlen(lastWords)) == 0) return true;
    }
    return false;
}

SaveWhenTheDisplayIsLost::SaveWhenTheDisplayIsLost(std::function<void(bool onWindowThread)> save)
{
    saveOnLoss = std::move(save);
    previousHandler = qInstallMessageHandler(watchMessages);
}

SaveWhenTheDisplayIsLost::~SaveWhenTheDisplayIsLost()
{
    qInstallMessageHandler(previousHandler);
    saveOnLoss = nullptr;
}

}  // namespace tallimo::ui
