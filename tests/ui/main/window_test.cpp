#include "window_test.h"

#include <QAbstractButton>
#include <QAction>

namespace tallimo::testing {

void WindowTest::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    previousFolder_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder_->path()));

    expected_.clear();
    unexpectedBox_.clear();
    connect(&boxWatch_, &QTimer::timeout, this, &WindowTest::watchForBoxes, Qt::UniqueConnection);
    boxWatch_.start(10);

    startProgram();
}

void WindowTest::startProgram()
{
    ended_ = 0;
    program_ = std::make_unique<app::Program>([this] { ++ended_; });
    program_->start();
    program_->window().show();
    QVERIFY(QTest::qWaitForWindowExposed(&program_->window()));
    program_->offerUnsavedTape();
}

void WindowTest::restart()
{
    program_.reset();
    startProgram();
}

void WindowTest::cleanup()
{
    boxWatch_.stop();
    program_.reset();
    QDir::setCurrent(previousFolder_);
    folder_.reset();
    QVERIFY2(unexpectedBox_.isEmpty(), qPrintable("an unexpected message box was open: " + unexpectedBox_));
    QVERIFY2(expected_.empty(), "a message box the test expected never opened");
}

void WindowTest::watchForBoxes()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    if (expected_.empty()) {
        unexpectedBox_ = box->text();
        box->close();
        return;
    }
    auto handler = std::move(expected_.front());
    expected_.pop_front();
    handler(*box);
    // A handler that failed a check returns early without answering.
    if (box->isVisible()) box->close();
}

void WindowTest::click(std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        auto* key = find<QAbstractButton>(name);
        QVERIFY2(key != nullptr, name);
        QVERIFY2(key->isEnabled() && key->isVisible(), name);
        QTest::mouseClick(key, Qt::LeftButton);
    }
}

void WindowTest::trigger(std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        auto* item = window().findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY2(item != nullptr, name);
        QVERIFY2(item->isEnabled(), name);
        item->trigger();
    }
}

void answer(QMessageBox& box, QMessageBox::StandardButton button)
{
    QAbstractButton* b = box.button(button);
    QVERIFY(b != nullptr);
    b->click();
}

}  // namespace tallimo::testing
