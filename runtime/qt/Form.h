// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <memory>
#include <string>

#include <QImage>

#include "runtime/Controls.h"
#include "runtime/FormDescription.h"
#include "runtime/qt/ControlAdapters.h"
#include "runtime/qt/EventDispatcher.h"
#include "runtime/qt/FormWindow.h"
#include "runtime/qt/ModalMessageBox.h"

class QPushButton;
class QStyle;
class QTimer;

namespace runtime::qt {

class Notice;

enum class Event { Click, Timer };

// A window built from any form description: one widget per control in description order, the first in
// front, labels and shapes painted beneath every picture box and button. Controls are found by name;
// a name or kind that the description does not have is a wiring fault and throws std::invalid_argument.
// A picture that cannot be decoded throws PictureLoadError from the constructor.
class Form {
public:
    Form(const FormDescription& description, const QString& applicationTitle);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    FormWindow& window() { return *window_; }
    QWidget& widget(const std::string& name);
    QPushButton& commandButton(const std::string& name);
    PictureBox& pictureBox(const std::string& name);
    Label& label(const std::string& name);
    Timer& timer(const std::string& name);
    MessageBox& messageBox() { return messageBox_; }
    // Says `text` to screen readers as it appears.
    void announce(const QString& text);

    // Delivers the control's event to `handler` through the one dispatcher of the form.
    void bind(const std::string& control, Event event, EventDispatcher::Handler handler);

private:
    // `pictures` holds those decoded so far, so that two boxes with one picture decode it once.
    void addControl(const ControlRecord& record, std::map<std::string, QImage>& pictures);
    // The widget of any kind but a timer, registered with its adapter where handlers reach it.
    QWidget* makeWidget(const ControlRecord& record, std::map<std::string, QImage>& pictures);
    void stack(const FormDescription& description);
    void orderTabs(const FormDescription& description);

    // Outlives the window, whose buttons draw with it.
    std::unique_ptr<QStyle> buttonStyle_;
    std::unique_ptr<FormWindow> window_;
    Notice* notice_;
    ModalMessageBox messageBox_;
    EventDispatcher dispatcher_;
    std::map<std::string, QWidget*> widgets_;
    std::map<std::string, QTimer*> toolkitTimers_;
    std::map<std::string, std::unique_ptr<PictureBox>> pictureBoxes_;
    std::map<std::string, std::unique_ptr<Label>> labels_;
    std::map<std::string, std::unique_ptr<TimerAdapter>> timers_;
};

// The window's client area in pixels.
QSize clientSize(const FormDescription& description);

} // namespace runtime::qt
