// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace runtime::qt {

// The top-level window: a fixed client area and the keyboard rules of a form.
// Enter presses the focused button, or the default button when no button has the focus;
// a key held down presses once.
class FormWindow : public QWidget {
public:
    FormWindow(const QString& caption, QSize clientSize, QColor background);

    void setDefaultButton(QPushButton* button);

private:
    void pressForEnter();

    QPointer<QPushButton> defaultButton_;
};

} // namespace runtime::qt
