// SPDX-License-Identifier: MIT
#include "tests/fake/FakeRuntime.h"

#include <sstream>
#include <utility>

#include "runtime/RuntimeError.h"

namespace fake {

std::string formatTwips(float twips)
{
    std::ostringstream text;
    text << twips;
    return text.str();
}

void AccessLog::failAccess(std::size_t n)
{
    accessesBeforeFailure_ = n - 1;
}

void AccessLog::record(const std::string& control, const std::string& property, const std::string& detail)
{
    const std::string entry = control + "." + property + detail;
    if (accessesBeforeFailure_ && (*accessesBeforeFailure_)-- == 0) {
        accessesBeforeFailure_.reset();
        entries_.push_back("!" + entry);
        throw runtime::propertyAccessFailed(control, property);
    }
    entries_.push_back(entry);
}

FakePictureBox::FakePictureBox(AccessLog& log, std::string name, float left, float top)
    : log_(log)
    , name_(std::move(name))
    , left_(left)
    , top_(top)
{
}

float FakePictureBox::left()
{
    log_.record(name_, "Left", "?");
    return left_;
}

void FakePictureBox::setLeft(float twips)
{
    log_.record(name_, "Left", "=" + formatTwips(twips));
    left_ = twips;
}

float FakePictureBox::top()
{
    log_.record(name_, "Top", "?");
    return top_;
}

void FakePictureBox::setTop(float twips)
{
    log_.record(name_, "Top", "=" + formatTwips(twips));
    top_ = twips;
}

FakeLabel::FakeLabel(AccessLog& log, std::string name)
    : log_(log)
    , name_(std::move(name))
{
}

std::string FakeLabel::caption()
{
    log_.record(name_, "Caption", "?");
    return caption_;
}

void FakeLabel::setCaption(const std::string& text)
{
    log_.record(name_, "Caption", "=" + text);
    caption_ = text;
}

FakeTimer::FakeTimer(AccessLog& log, std::string name, bool enabled)
    : log_(log)
    , name_(std::move(name))
    , enabled_(runtime::toBoolean16(enabled))
{
}

runtime::Boolean16 FakeTimer::enabled()
{
    log_.record(name_, "Enabled", "?");
    return enabled_;
}

void FakeTimer::setEnabled(runtime::Boolean16 enabled)
{
    log_.record(name_, "Enabled", "=" + std::to_string(enabled));
    enabled_ = enabled;
}

std::int32_t FakeTimer::interval()
{
    log_.record(name_, "Interval", "?");
    return interval_;
}

void FakeTimer::setInterval(std::int32_t milliseconds)
{
    log_.record(name_, "Interval", "=" + std::to_string(milliseconds));
    interval_ = milliseconds;
}

FakeMessageBox::FakeMessageBox(AccessLog& log)
    : log_(log)
{
}

void FakeMessageBox::show(const std::string& prompt)
{
    log_.record("MessageBox", "Show", ":" + prompt);
    shown_.push_back(prompt);
}

} // namespace fake
