// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <utility>

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace runtime::qt {

// Calls `then` once the window's first frame is on the screen: after its first paint and the flush of that
// frame, which the toolkit does before it runs the next queued call. Header-only, so that the benchmarks'
// bare toolkit window times its frame the same way without linking the runtime.
inline void afterFirstFrame(QWidget& window, std::function<void()> then)
{
    class FirstPaintWatcher : public QObject {
    public:
        FirstPaintWatcher(QWidget& window, std::function<void()> then)
            : QObject(&window)
            , then_(std::move(then))
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
    new FirstPaintWatcher(window, std::move(then));
}

} // namespace runtime::qt
