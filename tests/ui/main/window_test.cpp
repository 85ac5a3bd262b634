#include "window_test.h"

#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>

namespace tallimo::testing {

void WindowTest::init()
{
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    previousFolder_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder_->path()));

    expected_.clear();
    unexpectedBox_.clear();
    fileToChoose_.clear();
    connect(&boxWatch_, &QTimer::timeout, this, &WindowTest::watchForBoxes, Qt::UniqueConnection);
    boxWatch_.start(10);

    QVERIFY(startProgram());
}

bool WindowTest::startProgram(bool finishStartUp)
{
    ended_ = 0;
    program_ = std::make_unique<app::Program>([this] { ++ended_; });
    program_->startUp();
    if (!QTest::qWaitForWindowExposed(&program_->window())) {
        qWarning("the main window was never shown");
        return false;
    }
    if (finishStartUp) program_->finishStartUp();
    return true;
}

bool WindowTest::restart(bool finishStartUp)
{
    program_.reset();
    return startProgram(finishStartUp);
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
    if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        dialog != nullptr && dialog->isVisible() && !fileToChoose_.isEmpty()) {
        dialog->selectFile(fileToChoose_);
        fileToChoose_.clear();
        // done(), not accept(): past the dialog's own question about a file that exists.
        static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
        return;
    }
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

bool WindowTest::click(std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        auto* key = find<QAbstractButton>(name);
        if (key == nullptr || !key->isEnabled() || !key->isVisible()) {
            qWarning("cannot click %s: %s", name, key == nullptr ? "there is no such key" : "it is disabled or hidden");
            return false;
        }
        QTest::mouseClick(key, Qt::LeftButton);
    }
    return true;
}

bool WindowTest::trigger(std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        auto* item = window().findChild<QAction*>(QString::fromLatin1(name));
        if (item == nullptr || !item->isEnabled()) {
            qWarning("cannot choose %s: %s", name, item == nullptr ? "there is no such item" : "it is disabled");
            return false;
        }
        item->trigger();
    }
    return true;
}

void WindowTest::expectFileDialog(const QString& path) { fileToChoose_ = path; }

bool answer(QMessageBox& box, QMessageBox::StandardButton button)
{
    QAbstractButton* b = box.button(button);
    if (b == nullptr) {
        qWarning("the box \"%s\" has no such button", qPrintable(box.text()));
        return false;
    }
    b->click();
    return true;
}

}  // namespace tallimo::testing
