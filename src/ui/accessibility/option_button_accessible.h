#pragma once
// An option button whose state the program sets, not its group: the memory cells'
// send buttons, Reset and Send in the conversion windows, the running total's Send.
// Qt 6.4 reads a checkable button that is not auto-exclusive as a check box whose
// one action, Toggle, only ticks it and emits no click, so through a screen reader
// such a button changed its look and did nothing. This one reads it as the radio
// button it shows, and its action presses it as a mouse click does.

#include <QAccessibleWidget>

class QAbstractButton;

namespace tallimo::ui {

class OptionButtonAccessible : public QAccessibleWidget {
public:
    explicit OptionButtonAccessible(QAbstractButton* option);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QAbstractButton* option() const;
};

}  // namespace tallimo::ui
