// SPDX-License-Identifier: MIT
#include "runtime/qt/AccessibleGraphics.h"

#include <QAccessibleWidget>

#include "runtime/qt/PictureBoxWidget.h"
#include "runtime/qt/ShapeWidget.h"

namespace runtime::qt {

namespace {

QAccessibleInterface* graphicFor(const QString&, QObject* object)
{
    if (qobject_cast<PictureBoxWidget*>(object) || qobject_cast<ShapeWidget*>(object))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

void installAccessibleGraphics()
{
    static const bool installed = [] {
        QAccessible::installFactory(graphicFor);
        return true;
    }();
    (void)installed;
}

} // namespace runtime::qt
