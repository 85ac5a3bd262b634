// Runs every test class of the main window in one program. Given test functions,
// e.g. "everyWayOfClosingAsksTheClosingRoutine:cmdDestroy", it runs only the classes
// that have them, so that one case can be run alone.

#include "test_registry.h"

#include <QApplication>
#include <QMetaMethod>

namespace {

bool hasAnyOf(const QObject& test, const QStringList& functions)
{
    const QMetaObject* meta = test.metaObject();
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i)
        if (functions.contains(QString::fromLatin1(meta->method(i).name()))) return true;
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The options of Qt Test that take a value; any other word is a test function.
    const QStringList withValue = {"-o", "-maxwarnings", "-eventdelay", "-keydelay", "-mousedelay", "-seed",
                                   "-iterations", "-median", "-minimumvalue", "-minimumtotal"};
    QStringList functions;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (withValue.contains(arg)) ++i;
        else if (!arg.startsWith('-')) functions << arg.section(':', 0, 0);
    }
    int failures = 0;
    for (const auto& make : tallimo::testing::registeredTests()) {
        const std::unique_ptr<QObject> test = make();
        if (functions.isEmpty() || hasAnyOf(*test, functions)) failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
