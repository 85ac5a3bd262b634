#pragma once
// Message boxes for the core: a modal QMessageBox with the message's title, text,
// icon and buttons.

#include "common/prompter.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace tallimo::ui {

class QtPrompter : public Prompter {
public:
    // The box is centred on `parent`; `refresh` runs just before it opens, so that
    // the window behind it already shows the state the question is about.
    void attach(QWidget* parent, std::function<void()> refresh);

    Answer ask(const Message& message) override;

private:
    QPointer<QWidget> parent_;
    std::function<void()> refresh_;
};

}  // namespace tallimo::ui
