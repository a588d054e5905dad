// SPDX-License-Identifier: MIT
#include "runtime/qt/ShapeWidget.h"

#include <algorithm>

#include <QPainter>

namespace runtime::qt {

ShapeWidget::ShapeWidget(QWidget* parent, QColor outline, int lineWidth)
    : QWidget(parent)
    , outline_(outline)
    , lineWidth_(lineWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(outline_, lineWidth_));
    const qreal diameter = std::min(width(), height()) - lineWidth_;
    const QRectF circle(0, 0, diameter, diameter);
    painter.drawEllipse(circle.translated(QRectF(rect()).center() - circle.center()));
}

} // namespace runtime::qt
