// SPDX-License-Identifier: MIT
#include "runtime/qt/QtControls.h"

#include "runtime/RuntimeError.h"
#include "runtime/Twips.h"

#include <QAccessible>
#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace runtime::qt {

QtPictureBox::QtPictureBox(std::string name, QWidget* widget, float left, float top)
    : name_(std::move(name))
    , widget_(widget)
    , left_(left)
    , top_(top)
{
}

int QtPictureBox::toPixels(float twips, const char* property) const
{
    const auto pixels = pixelsFromTwips(twips);
    if (!pixels)
        throw invalidPropertyValue(name_, property);
    return *pixels;
}

void QtPictureBox::setLeft(float twips)
{
    widget_->move(toPixels(twips, "Left"), widget_->y());
    left_ = twips;
}

void QtPictureBox::setTop(float twips)
{
    widget_->move(widget_->x(), toPixels(twips, "Top"));
    top_ = twips;
}

QtLabel::QtLabel(QLabel* label)
    : label_(label)
{
}

std::string QtLabel::caption()
{
    return label_->text().toStdString();
}

void QtLabel::setCaption(const std::string& text)
{
    const QString caption = QString::fromStdString(text);
    if (caption == label_->text())
        return;
    label_->setText(caption);
    // A label's text is its accessible name: screen readers hear the new prompt as it appears.
    QAccessibleEvent changed(label_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

QtTimer::QtTimer(std::string name, QTimer* timer, bool enabled, int intervalMs)
    : name_(std::move(name))
    , timer_(timer)
    , enabled_(enabled)
{
    timer_->setTimerType(Qt::PreciseTimer);
    timer_->setInterval(intervalMs);
    apply();
}

void QtTimer::formShown()
{
    formShown_ = true;
    apply();
}

void QtTimer::setEnabled(Boolean16 enabled)
{
    enabled_ = isTrue(enabled);
    apply();
}

std::int32_t QtTimer::interval()
{
    return timer_->interval();
}

void QtTimer::setInterval(std::int32_t milliseconds)
{
    if (milliseconds < 0)
        throw invalidPropertyValue(name_, "Interval");
    if (milliseconds == timer_->interval())
        return;
    timer_->setInterval(milliseconds);
    apply();
}

void QtTimer::apply()
{
    const bool shouldRun = formShown_ && enabled_ && timer_->interval() > 0;
    if (!shouldRun)
        timer_->stop();
    else if (!timer_->isActive())
        timer_->start();
}

} // namespace runtime::qt
