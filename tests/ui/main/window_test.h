#pragma once
// What every test of the main window starts from: a started program with its window
// shown, working in a temporary folder of its own (the memory files are written to
// the working folder). A message box that no test expected is closed and fails the
// test instead of leaving it hanging. The program's end is counted, not carried out:
// leaving the event loop would end every later event loop of the tests at once.

#include "app/program.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>

namespace tallimo::testing {

class WindowTest : public QObject {
    Q_OBJECT
protected:
    ui::MainWindow& window() { return program_->window(); }
    Calculator& calculator() { return program_->calculator(); }
    app::Program& program() { return *program_; }

    template <typename T = QWidget>
    T* find(const char* name)
    {
        return window().findChild<T*>(QString::fromLatin1(name));
    }

    // The helpers below return false, after saying why, when they cannot do their
    // work; a test checks them with QVERIFY, so that it stops there.

    // Chooses the menu items named, e.g. {"mnuNew"}.
    [[nodiscard]] bool trigger(std::initializer_list<const char*> names);

    // How often the program ended.
    int timesEnded() const { return ended_; }
    // Ends this program without its closing routine and starts a new one in the same
    // folder, as the next run would; `finishStartUp` false leaves out what the
    // program does only once its window is drawn.
    [[nodiscard]] bool restart(bool finishStartUp = true);
    QString folder() const { return folder_->path(); }

    // Clicks the keys named, e.g. {"cmdDigit_1", "cmdOperator_0"}, with the mouse.
    [[nodiscard]] bool click(std::initializer_list<const char*> names);

    // The next message box is handed to `handler` while it is open; the handler
    // checks it and answers it.
    void expectBox(std::function<void(QMessageBox&)> handler) { expected_.push_back(std::move(handler)); }
    // The next file dialog chooses `path`, as its Open or Save button would.
    void expectFileDialog(const QString& path);
    bool boxesStillExpected() const { return !expected_.empty(); }

private slots:
    void init();
    void cleanup();

private:
    void watchForBoxes();
    [[nodiscard]] bool startProgram(bool finishStartUp = true);

    std::unique_ptr<QTemporaryDir> folder_;
    QString previousFolder_;
    std::unique_ptr<app::Program> program_;
    int ended_ = 0;
    QTimer boxWatch_;
    std::deque<std::function<void(QMessageBox&)>> expected_;
    QString unexpectedBox_;
    QString fileToChoose_;
};

// Answers a box by clicking one of its buttons.
[[nodiscard]] bool answer(QMessageBox& box, QMessageBox::StandardButton button);

}  // namespace tallimo::testing
