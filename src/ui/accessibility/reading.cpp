#include "ui/accessibility/reading.h"

#include "ui/accessibility/box_text_accessible.h"
#include "ui/accessibility/option_button_accessible.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace tallimo::ui {

namespace {

constexpr char kReading[] = "_tallimo_reading";
enum Reading : int { kBoxText = 1, kGroup = 2, kOption = 3 };

QAccessibleInterface* interfaceFor(const QString& /*className*/, QObject* object)
{
    if (object == nullptr || !object->isWidgetType()) return nullptr;
    bool marked = false;
    const int reading = object->property(kReading).toInt(&marked);
    if (!marked) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    switch (reading) {
    case kBoxText: return new BoxTextAccessible(widget);
    case kGroup: return new QAccessibleWidget(widget, QAccessible::Grouping);
    case kOption: return new OptionButtonAccessible(static_cast<QAbstractButton*>(widget));
    default: return nullptr;
    }
}

void mark(QWidget& widget, Reading reading)
{
    // Factories installed later are asked first: this one comes before Qt's own.
    static const bool installed = [] {
        QAccessible::installFactory(interfaceFor);
        return true;
    }();
    (void)installed;
    widget.setProperty(kReading, reading);
    // Any accessibility event, sent with or without a screen reader (a change of
    // name or of the read-only state), makes the widget's interface, which is then
    // kept for the widget's life: one made before the mark goes.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&widget))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

}  // namespace

void readBoxWhole(QWidget& box) { mark(box, kBoxText); }

void readAsGroup(QWidget& panel) { mark(panel, kGroup); }

void readAsOption(QAbstractButton& option) { mark(option, kOption); }

}  // namespace tallimo::ui
