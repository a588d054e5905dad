// SPDX-License-Identifier: MIT
#include "runtime/qt/ModalMessageBox.h"

#include <algorithm>
#include <utility>

#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSpacerItem>
#include <QWindow>

namespace runtime::qt {

namespace {

// Some desktops let the player bring a blocked window forward over its box (sway raises it on a click and
// gives it the keyboard), which would leave a box that can be neither seen nor closed. So while the box is
// open, Enter, Escape and Space pressed on any window of the program close it as its button does (a held
// key's repeats excepted), and a window of the program that the desktop activates puts the box back in front
// and asks for the keyboard to go to it.
void keepInReach(QMessageBox& box)
{
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space}) {
        auto* shortcut = new QShortcut(
            QKeySequence(key), &box, [&box] { box.defaultButton()->click(); }, Qt::ApplicationShortcut);
        shortcut->setAutoRepeat(false);
    }
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, &box, [&box](QWindow* focused) {
        if (focused && focused != box.windowHandle()) {
            box.raise();
            box.activateWindow();
        }
    });
}

} // namespace

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
    // Screen readers read an alert by its description (Orca 48) or by the labels in it that label nothing
    // (Orca 43, which reads the description after them too). So the text is the box's description, and its
    // label labels the box, to be read once by both. A label with a buddy takes '&' for a mnemonic's mark.
    box.setAccessibleDescription(box.text());
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        label->setText(box.text().replace(u'&', QStringLiteral("&&")));
        label->setBuddy(&box);
    }
    box.setDefaultButton(box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole));
    box.setWindowModality(Qt::ApplicationModal);
    // The box cannot grow, so a window manager should offer no maximise button.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowCloseButtonHint);
    keepInReach(box);
    // A box as narrow as "Erraste" leaves a window manager no room for its title; the layout's widest row
    // sets the box's width.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(minimumWidth(box.font()), 0), grid->rowCount(), 0, 1,
                      grid->columnCount());
    box.exec();
}

} // namespace runtime::qt
