// SPDX-License-Identifier: MIT
#include "runtime/qt/QtMessageBox.h"

#include <QMessageBox>

#include <utility>

namespace runtime::qt {

QtMessageBox::QtMessageBox(QWidget* parent, QString title)
    : parent_(parent)
    , title_(std::move(title))
{
}

void QtMessageBox::show(const std::string& prompt)
{
    QMessageBox box(parent_);
    box.setWindowTitle(title_);
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(prompt));
    box.setDefaultButton(box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace runtime::qt
