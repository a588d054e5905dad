// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

#include "runtime/Integer16.h"

namespace runtime {

// What a handler may touch of a control, one property access at a time.
// Every access may throw RuntimeError; a failed write changes nothing.

// Positions are single-precision twips in the window's client area.
class PictureBox {
public:
    virtual ~PictureBox() = default;
    virtual float left() = 0;
    virtual void setLeft(float twips) = 0;
    virtual float top() = 0;
    virtual void setTop(float twips) = 0;
};

// Text is UTF-8.
class Label {
public:
    virtual ~Label() = default;
    virtual std::string caption() = 0;
    virtual void setCaption(const std::string& text) = 0;
};

// While enabled with a non-zero interval, the timer's event is delivered about once per interval.
class Timer {
public:
    virtual ~Timer() = default;
    virtual Boolean16 enabled() = 0;
    virtual void setEnabled(Boolean16 enabled) = 0;
    virtual std::int32_t interval() = 0;
    virtual void setInterval(std::int32_t milliseconds) = 0;
};

// A modal box with the prompt, the application title and one OK button; returns when it is closed.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const std::string& prompt) = 0;
};

} // namespace runtime
