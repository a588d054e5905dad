// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "runtime/Controls.h"

class QLabel;
class QTimer;
class QWidget;

namespace runtime::qt {

class Notice;

// Places a widget at the nearest pixel of a position in twips, keeping the exact value written.
class PictureBoxAdapter : public PictureBox {
public:
    PictureBoxAdapter(std::string name, QWidget* widget, float left, float top);

    float left() override { return left_; }
    void setLeft(float twips) override;
    float top() override { return top_; }
    void setTop(float twips) override;

private:
    int toPixels(float twips, const char* property) const;

    std::string name_;
    QWidget* widget_;
    float left_;
    float top_;
};

// With a notice, each new text is announced as it appears and withdrawn when cleared.
class LabelAdapter : public Label {
public:
    LabelAdapter(QLabel* label, Notice* notice);

    std::string caption() override;
    void setCaption(const std::string& text) override;

private:
    QLabel* label_;
    Notice* notice_;
};

// Precise timing, since the game is about timing; enabling a running timer leaves it running. An enabled
// timer starts only once the form's first frame is on the screen, so that its first tick comes one interval
// after the player sees the window.
class TimerAdapter : public Timer {
public:
    TimerAdapter(std::string name, QTimer* timer, bool enabled, int intervalMs);

    void formShown();

    Boolean16 enabled() override { return toBoolean16(enabled_); }
    void setEnabled(Boolean16 enabled) override;
    std::int32_t interval() override;
    void setInterval(std::int32_t milliseconds) override;

private:
    void apply();

    std::string name_;
    QTimer* timer_;
    bool enabled_;
    bool formShown_ = false;
};

} // namespace runtime::qt
