// SPDX-License-Identifier: MIT
#include "tests/support/MessageBoxWatcher.h"

#include <utility>

#include <QAbstractButton>
#include <QApplication>
#include <QLayout>
#include <QTest>

MessageBoxWatcher::MessageBoxWatcher(int looksBeforeClosing, std::function<void()> onLook, int pollMs)
    : looksBeforeClosing_(looksBeforeClosing)
    , onLook_(std::move(onLook))
{
    connect(&poll_, &QTimer::timeout, this, &MessageBoxWatcher::look);
    poll_.start(pollMs);
}

int MessageBoxWatcher::visibleMessageBoxes()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        count += qobject_cast<QMessageBox*>(widget) && widget->isVisible();
    return count;
}

void MessageBoxWatcher::look()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box)
        return;
    QStringList buttons;
    for (QAbstractButton* button : box->buttons())
        buttons << button->text();
    sightings_.push_back({box->windowTitle(), box->text(), box->icon(), buttons, visibleMessageBoxes(),
                          box->layout()->contentsRect().width()});
    if (onLook_)
        onLook_();
    if (sightings_.size() % static_cast<std::size_t>(looksBeforeClosing_) == 0)
        QTest::mouseClick(box->buttons().at(0), Qt::LeftButton);
}
