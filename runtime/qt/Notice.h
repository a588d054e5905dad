// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace runtime::qt {

// Says a text to screen readers as it appears: a notification, named with the text and shown, which Orca
// speaks at once, where it drops a label's change of name unheard. It takes no room and draws nothing.
class Notice : public QWidget {
    // Found by qobject_cast, which gives it the accessible role of a notification.
    Q_OBJECT

public:
    explicit Notice(QWidget* window);

    // Shown afresh, so that the text is spoken even when it is the one said last.
    void announce(const QString& text);
    // Hidden, so that nothing stale is read later.
    void withdraw();
};

} // namespace runtime::qt
