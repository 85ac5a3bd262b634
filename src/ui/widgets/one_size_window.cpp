#include "ui/widgets/one_size_window.h"

#include <QEvent>
#include <QLayout>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace tallimo::ui {

namespace {

constexpr Qt::WindowStates kLargeStates = Qt::WindowMaximized | Qt::WindowFullScreen;

class OneSize : public QObject {
public:
    explicit OneSize(QWidget& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &window_) return false;
        switch (event->type()) {
        case QEvent::Show: watchRequests(); break;
        case QEvent::WindowStateChange:
            if (window_.windowState() & kLargeStates) QTimer::singleShot(0, &window_, [this] { window_.showNormal(); });
            break;
        case QEvent::Resize: settleWhenNormal(); break;
        default: break;
        }
        return false;
    }

private:
    // The request leaves at once for the window system; the window must be free to
    // take whatever size the answer brings.
    void watchRequests()
    {
        QWindow* handle = window_.windowHandle();
        if (handle == nullptr || watching_ == handle) return;
        watching_ = handle;
        connect(handle, &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if ((state & kLargeStates) && !lifted_) lift();
        });
    }

    void lift()
    {
        lifted_ = true;
        maximum_ = window_.maximumSize();
        if (QLayout* layout = window_.layout(); layout && layout->sizeConstraint() == QLayout::SetFixedSize) {
            constrainedByLayout_ = true;
            layout->setSizeConstraint(QLayout::SetMinimumSize);
        }
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }

    // Back to normal and to its own size (a maximum taken back sooner would not
    // match what the window system last gave it).
    void settleWhenNormal()
    {
        if (!lifted_ || (window_.windowState() & kLargeStates) || window_.size() != window_.minimumSize()) return;
        lifted_ = false;
        if (constrainedByLayout_) {
            constrainedByLayout_ = false;
            window_.layout()->setSizeConstraint(QLayout::SetFixedSize);
        } else {
            window_.setMaximumSize(maximum_);
        }
    }

    QWidget& window_;
    QWindow* watching_ = nullptr;
    bool lifted_ = false;
    bool constrainedByLayout_ = false;
    QSize maximum_;
};

}  // namespace

void keepOneSize(QWidget& window)
{
    Qt::WindowFlags flags = window.windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if ((flags & Qt::WindowType_Mask) == Qt::Window) flags |= Qt::WindowMinimizeButtonHint;
    window.setWindowFlags(flags & ~Qt::WindowMaximizeButtonHint);
    new OneSize(window);
}

}  // namespace tallimo::ui
