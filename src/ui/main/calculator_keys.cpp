#include "ui/main/calculator_keys.h"

namespace tallimo::ui {

void wireCalculatorKeys(MainWindow& window, Calculator& calculator)
{
    using C = Control;
    Calculator* calc = &calculator;
    for (int d = 0; d <= 9; ++d) window.onClick(digitKey(d), [calc, d] { calc->pressDigit(d); });
    for (int i = 0; i < 6; ++i) {
        window.onClick(operatorKey(i), [calc, i] { calc->pressOperator(i); });
        window.onClick(equalsKey(i), [calc, i] { calc->pressEquals(i); });
    }
    window.onClick(C::cmdIntrinsic_0, [calc] { calc->pressSign(); });
    window.onClick(C::cmdIntrinsic_1, [calc] { calc->pressPoint(); });
    window.onClick(C::cmdIntrinsic_2, [calc] { calc->pressPercent(); });
    window.onClick(C::cmdScientificNotation_0, [calc] { calc->pressExponent(0); });
    window.onClick(C::cmdScientificNotation_1, [calc] { calc->pressExponent(1); });
    window.onClick(C::cmdDelete, [calc] { calc->pressDelete(); });
    window.onClick(C::cmdSqrCubed_0, [calc] { calc->pressSquareOrCube(0); });
    window.onClick(C::cmdSqrCubed_1, [calc] { calc->pressSquareOrCube(1); });
    window.onClick(C::cmdPye, [calc] { calc->pressPye(); });
    window.onClick(C::cmdSwop, [calc] { calc->pressSwop(); });
    window.onClick(C::cmdReset, [calc] { calc->pressReset(); });
    window.onClick(C::cmdWipe, [calc] { calc->pressWipe(); });
    window.onClick(C::mnuWipe, [calc] { calc->menuWipe(); });
    window.onClick(C::PopUpWipe, [calc] { calc->menuWipe(); });
}

void wireEditMenu(MainWindow& window, EditMenu& menu)
{
    using C = Control;
    EditMenu* edit = &menu;
    for (C copy : {C::mnuCopy, C::PopUpCopy}) window.onClick(copy, [edit] { edit->copy(); });
    for (C cut : {C::mnuCut, C::PopUpCut}) window.onClick(cut, [edit] { edit->cut(); });
    for (C paste : {C::mnuPaste, C::PopUpPaste}) window.onClick(paste, [edit] { edit->paste(); });
}

}  // namespace tallimo::ui
