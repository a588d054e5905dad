// SPDX-License-Identifier: MIT
#include "runtime/qt/FormWindow.h"

#include <QApplication>
#include <QShortcut>

#include <utility>

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

    auto* enter = new QShortcut(this);
    enter->setKeys({QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)});
    enter->setAutoRepeat(false);
    connect(enter, &QShortcut::activated, this, &FormWindow::pressForEnter);
}

void FormWindow::setDefaultButton(QPushButton* button)
{
    defaultButton_ = button;
}

void FormWindow::whenFirstShown(std::function<void()> action)
{
    firstShown_ = std::move(action);
}

void FormWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (auto action = std::exchange(firstShown_, nullptr))
        action();
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
