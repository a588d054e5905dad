// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

namespace runtime::qt {

// A circle outline centred in the box, painted over whatever lies beneath; it takes no mouse input.
class ShapeWidget : public QWidget {
    // Found by qobject_cast, which gives it the accessible role of a graphic.
    Q_OBJECT

public:
    ShapeWidget(QWidget* parent, QColor outline, int lineWidth);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor outline_;
    int lineWidth_;
};

} // namespace runtime::qt
