// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QWidget>

namespace runtime::qt {

// A box filled with its background colour, with an optional one-pixel frame in its foreground colour.
class PictureBoxWidget : public QWidget {
public:
    PictureBoxWidget(QWidget* parent, QColor background, QColor foreground, bool framed);

    bool framed() const { return framed_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor background_;
    QColor foreground_;
    bool framed_;
};

} // namespace runtime::qt
