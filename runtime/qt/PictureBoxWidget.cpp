// SPDX-License-Identifier: MIT
#include "runtime/qt/PictureBoxWidget.h"

#include <utility>

#include <QPainter>

namespace runtime::qt {

PictureBoxWidget::PictureBoxWidget(QWidget* parent, QColor background, QColor foreground, bool framed,
                                   QImage picture)
    : QWidget(parent)
    , background_(background)
    , foreground_(foreground)
    , framed_(framed)
    , picture_(std::move(picture))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect PictureBoxWidget::innerArea() const
{
    return framed_ ? rect().adjusted(1, 1, -1, -1) : rect();
}

void PictureBoxWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (framed_) {
        painter.setPen(QPen(foreground_, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!picture_.isNull()) {
        const QRect inner = innerArea();
        painter.setClipRect(inner);
        painter.drawImage(inner.topLeft(), picture_);
    }
}

} // namespace runtime::qt
