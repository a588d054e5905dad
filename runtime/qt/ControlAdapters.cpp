// SPDX-License-Identifier: MIT
#include "runtime/qt/ControlAdapters.h"

#include <utility>

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "runtime/RuntimeError.h"
#include "runtime/Twips.h"
#include "runtime/qt/Notice.h"

namespace runtime::qt {

PictureBoxAdapter::PictureBoxAdapter(std::string name, QWidget* widget, float left, float top)
    : name_(std::move(name))
    , widget_(widget)
    , left_(left)
    , top_(top)
{
}

int PictureBoxAdapter::toPixels(float twips, const char* property) const
{
    const auto pixels = pixelsFromTwips(twips);
    if (!pixels)
        throw invalidPropertyValue(name_, property);
    return *pixels;
}

void PictureBoxAdapter::setLeft(float twips)
{
    widget_->move(toPixels(twips, "Left"), widget_->y());
    left_ = twips;
}

void PictureBoxAdapter::setTop(float twips)
{
    widget_->move(widget_->x(), toPixels(twips, "Top"));
    top_ = twips;
}

LabelAdapter::LabelAdapter(QLabel* label, Notice* notice)
    : label_(label)
    , notice_(notice)
{
}

std::string LabelAdapter::caption()
{
    return label_->text().toStdString();
}

void LabelAdapter::setCaption(const std::string& text)
{
    const QString caption = QString::fromStdString(text);
    if (caption == label_->text())
        return;
    label_->setText(caption);
    if (!notice_)
        return;
    if (caption.isEmpty())
        notice_->withdraw();
    else
        notice_->announce(caption);
}

TimerAdapter::TimerAdapter(std::string name, QTimer* timer, bool enabled, int intervalMs)
    : name_(std::move(name))
    , timer_(timer)
    , enabled_(enabled)
{
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(intervalMs);
    apply();
}

void TimerAdapter::formShown()
{
    formShown_ = true;
    apply();
}

void TimerAdapter::setEnabled(Boolean16 enabled)
{
    enabled_ = isTrue(enabled);
    apply();
}

std::int32_t TimerAdapter::interval()
{
    return timer_->interval();
}

void TimerAdapter::setInterval(std::int32_t milliseconds)
{
    if (milliseconds < 0)
        throw invalidPropertyValue(name_, "Interval");
    if (milliseconds == timer_->interval())
        return;
    timer_->setInterval(milliseconds);
    apply();
}

void TimerAdapter::apply()
{
    const bool shouldRun = formShown_ && enabled_ && timer_->interval() > 0;
    if (!shouldRun)
        timer_->stop();
    else if (!timer_->isActive())
        timer_->start();
}

} // namespace runtime::qt
