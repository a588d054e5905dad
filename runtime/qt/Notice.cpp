// SPDX-License-Identifier: MIT
#include "runtime/qt/Notice.h"

namespace runtime::qt {

Notice::Notice(QWidget* window)
    : QWidget(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Notice::announce(const QString& text)
{
    hide();
    setAccessibleName(text);
    show();
}

void Notice::withdraw()
{
    hide();
}

} // namespace runtime::qt
