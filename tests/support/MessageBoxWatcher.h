// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <vector>

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

// A modal box runs its own event loop, so a test can only look at it from a timer running inside that loop.
// The watcher looks every `pollMs` milliseconds; each look that finds a box is recorded, `onLook` runs, and
// every `looksBeforeClosing`-th look presses the box's first button.
class MessageBoxWatcher : public QObject {
public:
    struct Sighting {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QStringList buttons;
        int visibleBoxes;
        // The width the box's layout gives its rows, inside its margins.
        int rowWidth;
    };

    explicit MessageBoxWatcher(int looksBeforeClosing, std::function<void()> onLook = {}, int pollMs = 10);

    const std::vector<Sighting>& sightings() const { return sightings_; }

    static int visibleMessageBoxes();

private:
    void look();

    int looksBeforeClosing_;
    std::function<void()> onLook_;
    std::vector<Sighting> sightings_;
    QTimer poll_;
};
