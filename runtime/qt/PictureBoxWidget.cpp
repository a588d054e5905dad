// SPDX-License-Identifier: MIT
#include "runtime/qt/PictureBoxWidget.h"

#include <QPainter>

namespace runtime::qt {

PictureBoxWidget::PictureBoxWidget(QWidget* parent, QColor background, QColor foreground, bool framed)
    : QWidget(parent)
    , background_(background)
    , foreground_(foreground)
    , framed_(framed) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBoxWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (framed_) {
        painter.setPen(QPen(foreground_, 1));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace runtime::qt
