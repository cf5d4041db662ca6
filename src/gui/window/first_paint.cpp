#include "gui/window/first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace skemora {

namespace {

// Watches every widget's events for the first paint of one of the window's widgets (the
// window itself may be covered by its children and get none).
class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* widget = qobject_cast<const QWidget*>(watched);
        if (event->type() == QEvent::Paint && !seen_ && widget && widget->window() == window_) {
            seen_ = true;
            // Queued: runs once this paint and the flush of the window's frame are done.
            QMetaObject::invokeMethod(
                this,
                [] {
                    timespec now{};
                    clock_gettime(CLOCK_MONOTONIC, &now);
                    std::printf("first-paint %lld\n",
                                static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QWidget* window_;
    bool seen_ = false;
};

}  // namespace

void QuitAfterFirstPaintWhenAsked(QWidget* window) {
    if (std::getenv(kQuitAfterFirstPaintVariable) == nullptr) return;
    QCoreApplication::instance()->installEventFilter(new FirstPaintProbe(window));
}

}  // namespace skemora
