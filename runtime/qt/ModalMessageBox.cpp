// SPDX-License-Identifier: MIT
#include "runtime/qt/ModalMessageBox.h"

#include <algorithm>
#include <utility>

#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>

namespace runtime::qt {

ModalMessageBox::ModalMessageBox(QWidget* parent, QString title)
    : parent_(parent)
    , title_(std::move(title))
{
}

int ModalMessageBox::minimumWidth(const QFont& font) const
{
    // The title in a bold title-bar font, beside a window menu and three buttons of up to 32 px each, with
    // the frame's margins: 240 px for "Tirobol" in the usual fonts.
    QFont titleFont = font;
    titleFont.setBold(true);
    constexpr int buttonsAndMargins = 4 * 32 + 48;
    return std::max(240, QFontMetrics(titleFont).horizontalAdvance(title_) + buttonsAndMargins);
}

void ModalMessageBox::show(const std::string& prompt)
{
    QMessageBox box(parent_);
    box.setWindowTitle(title_);
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(prompt));
    box.setDefaultButton(box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole));
    box.setWindowModality(Qt::ApplicationModal);
    // A box as narrow as "Erraste" leaves a window manager no room for its title; the layout's widest row
    // sets the box's width.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(minimumWidth(box.font()), 0), grid->rowCount(), 0, 1,
                      grid->columnCount());
    box.exec();
}

} // namespace runtime::qt
