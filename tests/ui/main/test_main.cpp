// Runs every test class of the main window in one program.

#include "test_registry.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    int failures = 0;
    for (const auto& make : tallimo::testing::registeredTests()) {
        const std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
