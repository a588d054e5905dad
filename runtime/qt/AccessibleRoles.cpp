// SPDX-License-Identifier: MIT
#include "runtime/qt/AccessibleRoles.h"

#include <QAccessibleWidget>

#include "runtime/qt/Notice.h"
#include "runtime/qt/PictureBoxWidget.h"
#include "runtime/qt/ShapeWidget.h"

namespace runtime::qt {

namespace {

QAccessibleInterface* roleFor(const QString&, QObject* object)
{
    if (qobject_cast<PictureBoxWidget*>(object) || qobject_cast<ShapeWidget*>(object))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    if (qobject_cast<Notice*>(object))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

void installAccessibleRoles()
{
    static const bool installed = [] {
        QAccessible::installFactory(roleFor);
        return true;
    }();
    (void)installed;
}

} // namespace runtime::qt
