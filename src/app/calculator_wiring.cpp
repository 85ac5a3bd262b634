#include "app/wiring.h"

namespace tallimo::app {

using C = Control;

void wireCalculatorKeys(ui::MainWindow& window, Calculator& calculator)
{
    Calculator* calc = &calculator;
    for (Digit d : kDigits) window.onClick(controlOf(d), [calc, d] { calc->pressDigit(d); });
    for (Operator op : kOperators) window.onClick(controlOf(op), [calc, op] { calc->pressOperator(op); });
    for (Equals e : kEqualsKeys) window.onClick(controlOf(e), [calc, e] { calc->pressEquals(e); });
    for (Exponent e : kExponents) window.onClick(controlOf(e), [calc, e] { calc->pressExponent(e); });
    for (SquareOrCube p : kSquareOrCube) window.onClick(controlOf(p), [calc, p] { calc->pressSquareOrCube(p); });
    window.onClick(C::cmdIntrinsic_0, [calc] { calc->pressSign(); });
    window.onClick(C::cmdIntrinsic_1, [calc] { calc->pressPoint(); });
    window.onClick(C::cmdIntrinsic_2, [calc] { calc->pressPercent(); });
    window.onClick(C::cmdDelete, [calc] { calc->pressDelete(); });
    window.onClick(C::cmdPye, [calc] { calc->pressPye(); });
    window.onClick(C::cmdSwop, [calc] { calc->pressSwop(); });
    window.onClick(C::cmdReset, [calc] { calc->pressReset(); });
    window.onClick(C::cmdWipe, [calc] { calc->pressWipe(); });
    window.onClick(C::mnuWipe, [calc] { calc->menuWipe(); });
    window.onClick(C::PopUpWipe, [calc] { calc->menuWipe(); });
}

void wireEditMenu(ui::MainWindow& window, EditMenu& menu)
{
    EditMenu* edit = &menu;
    for (C copy : {C::mnuCopy, C::PopUpCopy}) window.onClick(copy, [edit] { edit->copy(); });
    for (C cut : {C::mnuCut, C::PopUpCut}) window.onClick(cut, [edit] { edit->cut(); });
    for (C paste : {C::mnuPaste, C::PopUpPaste}) window.onClick(paste, [edit] { edit->paste(); });
}

void wireDestroy(ui::MainWindow& window)
{
    // Every way of closing asks the closing routine, as the close box does.
    ui::MainWindow* w = &window;
    for (C destroy : {C::cmdDestroy, C::mnuDestroy, C::PopUpDestroy}) window.onClick(destroy, [w] { w->close(); });
}

}  // namespace tallimo::app
