// SPDX-License-Identifier: MIT
#include "runtime/qt/FormWindow.h"

#include <utility>

#include <QApplication>
#include <QKeyEvent>

#include "runtime/qt/keys/KeyRepeatFilter.h"

namespace runtime::qt {

FormWindow::FormWindow(const QString& caption, QSize clientSize, QColor background)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(caption);
    setFixedSize(clientSize);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
    setAutoFillBackground(true);
    // The controls' boxes are fixed in pixels, so their text is too: a desktop's larger font or fractional
    // scale (drawn at the whole scale below it) would otherwise push "Reiniciar" past its button's edges.
    QFont text = font();
    text.setPixelSize(textPixels);
    setFont(text);
    KeyRepeatFilter::install();
}

void FormWindow::setDefaultButton(QPushButton* button)
{
    defaultButton_ = button;
}

void FormWindow::bindKey(int key, std::function<void()> action)
{
    keyActions_[key] = std::move(action);
}

// A button that is not a dialog's leaves Enter, and keys it has no use for, to its window.
void FormWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat())
            pressForEnter();
        return;
    }
    const auto action = keyActions_.find(event->key());
    if (action != keyActions_.end() &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        if (!event->isAutoRepeat())
            action->second();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FormWindow::pressForEnter()
{
    if (auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
        focused && isAncestorOf(focused))
        focused->click();
    else if (defaultButton_)
        defaultButton_->click();
}

} // namespace runtime::qt
