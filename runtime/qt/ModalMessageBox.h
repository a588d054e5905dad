// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "runtime/Controls.h"

namespace runtime::qt {

// Modal to the whole application: the prompt, the application title, no icon and one button, "Aceptar";
// wide enough for a window manager to show the title beside its buttons, however short the prompt.
class ModalMessageBox : public MessageBox {
public:
    ModalMessageBox(QWidget* parent, QString title);

    void show(const std::string& prompt) override;

private:
    int minimumWidth(const QFont& font) const;

    QPointer<QWidget> parent_;
    QString title_;
};

} // namespace runtime::qt
