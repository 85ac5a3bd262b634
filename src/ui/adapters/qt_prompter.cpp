#include "ui/adapters/qt_prompter.h"

#include "ui/adapters/qt_text.h"

#include <QMessageBox>
#include <QPushButton>

namespace tallimo::ui {

namespace {

QMessageBox::StandardButtons standardButtons(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return QMessageBox::Ok;
    case Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton standardButton(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return QMessageBox::Ok;
    case Answer::Cancel: return QMessageBox::Cancel;
    case Answer::Yes: return QMessageBox::Yes;
    case Answer::No: return QMessageBox::No;
    case Answer::Dismissed: break;
    }
    return QMessageBox::Ok;
}

Answer answerFor(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Dismissed;
    }
}

}  // namespace

void QtPrompter::attach(QWidget* parent, std::function<void()> refresh)
{
    parent_ = parent;
    refresh_ = std::move(refresh);
}

Answer QtPrompter::ask(const Message& message)
{
    if (refresh_) refresh_();
    const QMessageBox::Icon icon = message.icon == Icon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon;
    QMessageBox box(icon, toQString(message.title), toQString(message.text), standardButtons(message.buttons),
                    parent_.data());
    box.setTextFormat(Qt::PlainText);
    const QMessageBox::StandardButton preferred = standardButton(message.defaultButton);
    if (box.standardButtons().testFlag(preferred)) box.setDefaultButton(preferred);
    // Escape and the close button would press No or Cancel; they press this unseen
    // button instead, so that closing a box is not taken for an answer.
    QPushButton* dismiss = box.addButton(QString(), QMessageBox::RejectRole);
    dismiss->hide();
    box.setEscapeButton(dismiss);
    box.exec();
    return answerFor(box.standardButton(box.clickedButton()));
}

}  // namespace tallimo::ui
