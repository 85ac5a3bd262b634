#pragma once
// Tells a screen reader of each new result while the focus stays on a key. Qt 6.4
// has no announcement event. A screen reader speaks a notification as it comes into
// view, and one inside a status bar without naming its role: each result is such a
// notification, in a status bar that only screen readers see, beside the window's
// controls, made with the first result.

#include "common/result_listener.h"

#include <QPointer>

class QWidget;

namespace tallimo::ui {

class ResultAnnouncer : public ResultListener {
public:
    // The announcements belong to `window`'s accessible tree.
    explicit ResultAnnouncer(QWidget& window) : window_(window) {}

    void resultShown(std::string_view text) override;

private:
    QWidget& window_;
    QPointer<QObject> bar_;
};

}  // namespace tallimo::ui
