// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <map>

#include <QPointer>
#include <QPushButton>
#include <QWidget>

namespace runtime::qt {

// The top-level window: a fixed client area and the keyboard rules of a form.
// Enter presses the focused button, or the default button when no button has the focus; a key bound to an
// action does it, whatever has the focus; a key held down acts once (KeyRepeatFilter).
class FormWindow : public QWidget {
public:
    // The controls' text height, that of a 9-point font at 96 dots per inch.
    static constexpr int textPixels = 12;

    FormWindow(const QString& caption, QSize clientSize, QColor background);

    void setDefaultButton(QPushButton* button);
    // `key` (a Qt::Key), pressed without Ctrl, Alt or Meta, does `action`.
    void bindKey(int key, std::function<void()> action);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pressForEnter();

    QPointer<QPushButton> defaultButton_;
    std::map<int, std::function<void()>> keyActions_;
};

} // namespace runtime::qt
