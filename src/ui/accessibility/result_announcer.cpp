#include "ui/accessibility/result_announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>

namespace tallimo::ui {

namespace {

// The status bar and its one notification, which says the latest result.
class Bar : public QObject {
public:
    explicit Bar(QWidget& window) : QObject(&window), window_(window), notification_(new QObject(this)) {}

    QWidget& window() const { return window_; }
    QObject* notification() const { return notification_; }
    QString result;

private:
    QWidget& window_;
    QObject* notification_;
};

class BarAccessible : public QAccessibleObject {
public:
    explicit BarAccessible(Bar* bar) : QAccessibleObject(bar) {}

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(&bar()->window()); }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(bar()->notification()) : nullptr;
    }
    int childCount() const override { return 1; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && child->object() == bar()->notification() ? 0 : -1;
    }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? QStringLiteral("Results") : QString();
    }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override { return {}; }

private:
    Bar* bar() const { return static_cast<Bar*>(object()); }
};

class NotificationAccessible : public QAccessibleObject {
public:
    NotificationAccessible(QObject* notification, Bar* bar) : QAccessibleObject(notification), bar_(bar) {}

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(bar_); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? bar_->result : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    Bar* bar_;
};

}  // namespace

void ResultAnnouncer::resultShown(std::string_view text)
{
    // Sent with or without a screen reader, as Qt's own events are: without one it
    // costs two look-ups in Qt's cache of interfaces.
    if (bar_.isNull()) {
        auto* bar = new Bar(window_);
        QAccessible::registerAccessibleInterface(new BarAccessible(bar));
        QAccessible::registerAccessibleInterface(new NotificationAccessible(bar->notification(), bar));
        bar_ = bar;
    }
    auto* bar = static_cast<Bar*>(bar_.data());
    bar->result = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    // A reader that keeps the name it last read learns the new one first.
    QAccessibleEvent renamed(bar->notification(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(bar->notification(), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace tallimo::ui
