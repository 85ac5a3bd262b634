// Each control of the main window runs one operation: the program binds every key
// and menu item once, and a second binding for a control is refused.

#include "test_registry.h"
#include "window_test.h"

#include <QAbstractButton>

#include <stdexcept>
#include <string>

namespace tallimo::testing {

class ClickBindingTest : public WindowTest {
    Q_OBJECT

private slots:
    void everyKeyAndMenuItemIsBoundOnceStartUpIsOver()
    {
        for (std::size_t i = 0; i < kControlCount; ++i) {
            const auto control = static_cast<Control>(i);
            const bool clickable = qobject_cast<QAbstractButton*>(window().widget(control)) != nullptr ||
                                   window().action(control) != nullptr;
            QVERIFY2(window().isBound(control) == clickable, std::string(controlName(control)).c_str());
        }
    }

    void aSecondBindingIsRefusedAndTheFirstStays()
    {
        QVERIFY_THROWS_EXCEPTION(std::logic_error, window().onClick(Control::cmdDigit_7, [] {}));
        QVERIFY(click({"cmdDigit_7"}));
        QCOMPARE(calculator().inputText(), "7");
    }
};

TALLIMO_WINDOW_TEST(ClickBindingTest)

}  // namespace tallimo::testing

#include "click_binding_test.moc"
