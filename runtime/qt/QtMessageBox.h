// SPDX-License-Identifier: MIT
#pragma once

#include "runtime/Controls.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace runtime::qt {

// Modal to the whole application: the prompt, the application title, no icon and one button, "Aceptar".
class QtMessageBox : public MessageBox {
public:
    QtMessageBox(QWidget* parent, QString title);

    void show(const std::string& prompt) override;

private:
    QPointer<QWidget> parent_;
    QString title_;
};

} // namespace runtime::qt
