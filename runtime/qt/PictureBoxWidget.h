// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace runtime::qt {

// A box filled with its background colour, with an optional one-pixel frame in its foreground colour, and
// its picture drawn unscaled at the top-left of the inner area, clipped to it.
class PictureBoxWidget : public QWidget {
    // Found by qobject_cast, which gives it the accessible role of a graphic.
    Q_OBJECT

public:
    PictureBoxWidget(QWidget* parent, QColor background, QColor foreground, bool framed, QImage picture);

    QRect innerArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor background_;
    QColor foreground_;
    bool framed_;
    QImage picture_;
};

} // namespace runtime::qt
