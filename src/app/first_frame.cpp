#include "app/first_frame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace tallimo::app {

namespace {

constexpr int kUndrawnMs = 1000;

class FirstFrameWatch : public QObject {
public:
    FirstFrameWatch(QWindow& window, std::function<void()> then) : QObject(&window), then_(std::move(then))
    {
        window.installEventFilter(this);
        QTimer::singleShot(kUndrawnMs, this, [this] { run(); });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        // The window draws its frame while it handles the expose; the work waits for
        // the next turn of the event loop.
        if (event->type() == QEvent::Expose) QTimer::singleShot(0, this, [this] { run(); });
        return false;
    }

private:
    void run()
    {
        if (!then_) return;
        parent()->removeEventFilter(this);
        std::exchange(then_, nullptr)();
        deleteLater();
    }

    std::function<void()> then_;
};

}  // namespace

void afterFirstFrame(QWidget& window, std::function<void()> then)
{
    new FirstFrameWatch(*window.windowHandle(), std::move(then));
}

}  // namespace tallimo::app
