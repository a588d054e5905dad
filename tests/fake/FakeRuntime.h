// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "runtime/Controls.h"

namespace fake {

// Every property access of the fake controls, in order: "Timer1.Enabled?" for a read, "Picture2.Left=600"
// for a write, "MessageBox.Show:Erraste" for a message box; a failed access is recorded with a leading '!'.
class AccessLog {
public:
    // The n-th access from now (1 for the next) fails with the property-access run-time error.
    void failAccess(std::size_t n);
    // Records the access, or throws when it is the one chosen to fail. `detail` is "?" or "=value".
    void record(const std::string& control, const std::string& property, const std::string& detail);

    const std::vector<std::string>& entries() const { return entries_; }
    void clear() { entries_.clear(); }

private:
    std::vector<std::string> entries_;
    std::optional<std::size_t> accessesBeforeFailure_;
};

class FakePictureBox : public runtime::PictureBox {
public:
    FakePictureBox(AccessLog& log, std::string name, float left, float top);

    float left() override;
    void setLeft(float twips) override;
    float top() override;
    void setTop(float twips) override;

    // The stored values, without logging an access.
    float storedLeft() const { return left_; }
    float storedTop() const { return top_; }

private:
    AccessLog& log_;
    std::string name_;
    float left_;
    float top_;
};

class FakeLabel : public runtime::Label {
public:
    FakeLabel(AccessLog& log, std::string name);

    std::string caption() override;
    void setCaption(const std::string& text) override;

    const std::string& storedCaption() const { return caption_; }

private:
    AccessLog& log_;
    std::string name_;
    std::string caption_;
};

class FakeTimer : public runtime::Timer {
public:
    FakeTimer(AccessLog& log, std::string name, bool enabled);

    runtime::Boolean16 enabled() override;
    void setEnabled(runtime::Boolean16 enabled) override;
    std::int32_t interval() override;
    void setInterval(std::int32_t milliseconds) override;

    runtime::Boolean16 storedEnabled() const { return enabled_; }

private:
    AccessLog& log_;
    std::string name_;
    runtime::Boolean16 enabled_;
    std::int32_t interval_ = 100;
};

class FakeMessageBox : public runtime::MessageBox {
public:
    explicit FakeMessageBox(AccessLog& log);

    void show(const std::string& prompt) override;

    const std::vector<std::string>& shown() const { return shown_; }

private:
    AccessLog& log_;
    std::vector<std::string> shown_;
};

std::string formatTwips(float twips);

} // namespace fake
