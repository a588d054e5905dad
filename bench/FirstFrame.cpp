// SPDX-License-Identifier: MIT
#include "FirstFrame.h"

#include <QEvent>
#include <QTimer>

#include <utility>

namespace bench {

namespace {

class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QWidget& window, std::function<void()> then)
        : then_(std::move(then))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                then_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> then_;
};

} // namespace

void afterFirstFrame(QWidget& window, std::function<void()> then)
{
    new FirstPaintWatcher(window, std::move(then));
}

} // namespace bench
