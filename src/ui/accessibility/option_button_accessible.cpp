#include "ui/accessibility/option_button_accessible.h"

#include <QAbstractButton>

namespace tallimo::ui {

OptionButtonAccessible::OptionButtonAccessible(QAbstractButton* option)
    : QAccessibleWidget(option, QAccessible::RadioButton)
{
}

QAbstractButton* OptionButtonAccessible::option() const { return static_cast<QAbstractButton*>(widget()); }

QString OptionButtonAccessible::text(QAccessible::Text kind) const
{
    const QString text = QAccessibleWidget::text(kind);
    if (kind == QAccessible::Name && text.isEmpty()) return option()->text().remove(u'&');
    return text;
}

QAccessible::State OptionButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = option()->isChecked();
    state.pressed = option()->isDown();
    return state;
}

QStringList OptionButtonAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (option()->isEnabled()) names.prepend(pressAction());
    return names;
}

void OptionButtonAccessible::doAction(const QString& actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    // Clicked a moment later, as Qt presses a push button: the screen reader has its
    // answer before a message box the click may open holds the program.
    if (option()->isEnabled()) option()->animateClick();
}

}  // namespace tallimo::ui
