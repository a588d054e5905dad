// SPDX-License-Identifier: MIT
#include "runtime/qt/Form.h"

#include <algorithm>
#include <stdexcept>
#include <utility>
#include <vector>

#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

#include "runtime/Twips.h"
#include "runtime/qt/AccessibleRoles.h"
#include "runtime/qt/ControlAdapters.h"
#include "runtime/qt/FirstFrame.h"
#include "runtime/qt/Notice.h"
#include "runtime/qt/PictureBoxWidget.h"
#include "runtime/qt/Pictures.h"
#include "runtime/qt/ShapeWidget.h"
#include "runtime/qt/keys/KeysInFlight.h"

namespace runtime::qt {

namespace {

QColor toQColor(Colour colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

// Stored positions and sizes are whole pixels.
QRect pixelBox(const ControlRecord& record)
{
    return QRect(record.left / twipsPerPixel, record.top / twipsPerPixel, record.width / twipsPerPixel,
                 record.height / twipsPerPixel);
}

bool isPaintedOnForm(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::Shape;
}

QColor backColour(const ControlRecord& record)
{
    return toQColor(record.backColour.value_or(SystemColours::buttonFace));
}

QColor foreColour(const ControlRecord& record)
{
    return toQColor(record.foreColour.value_or(SystemColours::buttonText));
}

QLabel* makeLabel(QWidget* parent, const ControlRecord& record)
{
    auto* label = new QLabel(QString::fromStdString(record.caption), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, backColour(record));
    colours.setColor(QPalette::WindowText, foreColour(record));
    label->setPalette(colours);
    return label;
}

PictureBoxWidget* makePictureBox(QWidget* parent, const ControlRecord& record, QImage picture)
{
    return new PictureBoxWidget(parent, backColour(record), foreColour(record), record.framed,
                                std::move(picture));
}

// The standard scheme's button colours, whatever the window's own.
QPalette buttonPalette()
{
    QPalette colours;
    for (const auto role : {QPalette::Button, QPalette::Window, QPalette::Midlight})
        colours.setColor(role, toQColor(SystemColours::buttonFace));
    for (const auto role : {QPalette::ButtonText, QPalette::WindowText})
        colours.setColor(role, toQColor(SystemColours::buttonText));
    colours.setColor(QPalette::Light, toQColor(SystemColours::buttonHighlight));
    colours.setColor(QPalette::Mid, toQColor(SystemColours::buttonShadow));
    colours.setColor(QPalette::Dark, toQColor(SystemColours::buttonShadow));
    colours.setColor(QPalette::Shadow, toQColor(SystemColours::buttonDarkShadow));
    return colours;
}

// `style` may be null, leaving the application's own.
QPushButton* makeCommandButton(QWidget* parent, const ControlRecord& record, QStyle* style)
{
    auto* button = new QPushButton(QString::fromStdString(record.caption), parent);
    if (style)
        button->setStyle(style);
    button->setPalette(buttonPalette());
    return button;
}

template <typename Map> auto& lookUp(Map& controls, const std::string& name, const char* kind)
{
    const auto found = controls.find(name);
    if (found == controls.end())
        throw std::invalid_argument(std::string("the form has no ") + kind + " named " + name);
    return *found->second;
}

} // namespace

Form::Form(const FormDescription& description, const QString& applicationTitle)
    // Qt's classic style draws a push button as a raised face filling its whole box.
    : buttonStyle_(QStyleFactory::create(QStringLiteral("Windows")))
    , window_(std::make_unique<FormWindow>(QString::fromStdString(description.caption),
                                           clientSize(description), toQColor(description.backColour)))
    , notice_(new Notice(window_.get()))
    , messageBox_(window_.get(), applicationTitle)
    , dispatcher_(messageBox_)
{
    installAccessibleRoles();
    if (!description.icon.empty())
        window_->setWindowIcon(loadIcon(description.icon));
    std::map<std::string, QImage> pictures;
    for (const ControlRecord& record : description.controls)
        addControl(record, pictures);
    stack(description);
    orderTabs(description);
    afterFirstFrame(*window_, [this] {
        for (auto& [name, timer] : timers_)
            timer->formShown();
    });
}

Form::~Form() = default;

void Form::addControl(const ControlRecord& record, std::map<std::string, QImage>& pictures)
{
    if (record.kind == ControlKind::Timer) {
        auto* timer = new QTimer(window_.get());
        timer->setObjectName(QString::fromStdString(record.name));
        toolkitTimers_[record.name] = timer;
        timers_[record.name] =
            std::make_unique<TimerAdapter>(record.name, timer, record.enabled, record.intervalMs);
        return;
    }
    QWidget* widget = makeWidget(record, pictures);
    widget->setObjectName(QString::fromStdString(record.name));
    widget->setGeometry(pixelBox(record));
    if (!record.accessibleName.empty())
        widget->setAccessibleName(QString::fromStdString(record.accessibleName));
    if (!record.accessibleDescription.empty())
        widget->setAccessibleDescription(QString::fromStdString(record.accessibleDescription));
    widgets_[record.name] = widget;
}

QWidget* Form::makeWidget(const ControlRecord& record, std::map<std::string, QImage>& pictures)
{
    QWidget* parent = window_.get();
    switch (record.kind) {
    case ControlKind::PictureBox: {
        if (!record.picture.empty() && !pictures.contains(record.picture))
            pictures[record.picture] = loadPictureForScreens(record.picture);
        auto* box =
            makePictureBox(parent, record, record.picture.empty() ? QImage() : pictures.at(record.picture));
        pictureBoxes_[record.name] =
            std::make_unique<PictureBoxAdapter>(record.name, box, record.left, record.top);
        return box;
    }
    case ControlKind::CommandButton: {
        auto* button = makeCommandButton(parent, record, buttonStyle_.get());
        if (record.isDefault)
            window_->setDefaultButton(button);
        return button;
    }
    case ControlKind::Label: {
        auto* label = makeLabel(parent, record);
        labels_[record.name] = std::make_unique<LabelAdapter>(label, record.announced ? notice_ : nullptr);
        return label;
    }
    case ControlKind::Shape:
        return new ShapeWidget(parent, foreColour(record), record.lineWidth);
    case ControlKind::Timer:
        break;
    }
    throw std::invalid_argument("the timer " + record.name + " has no widget");
}

void Form::stack(const FormDescription& description)
{
    // Later siblings lie in front: raising in reverse leaves the first record frontmost, and lowering the
    // painted controls in order leaves the last of them at the very back.
    const auto& controls = description.controls;
    for (auto record = controls.rbegin(); record != controls.rend(); ++record) {
        if (record->kind != ControlKind::Timer && !isPaintedOnForm(record->kind))
            widgets_.at(record->name)->raise();
    }
    for (const ControlRecord& record : controls) {
        if (isPaintedOnForm(record.kind))
            widgets_.at(record.name)->lower();
    }
}

void Form::orderTabs(const FormDescription& description)
{
    std::vector<const ControlRecord*> tabbed;
    for (const ControlRecord& record : description.controls) {
        if (record.tabIndex)
            tabbed.push_back(&record);
    }
    std::sort(tabbed.begin(), tabbed.end(), [](auto* a, auto* b) { return *a->tabIndex < *b->tabIndex; });

    // Only buttons take the focus; the chain still follows the tab indexes so that Tab visits them in order.
    QWidget* first = nullptr;
    QWidget* previous = nullptr;
    for (const ControlRecord* record : tabbed) {
        QWidget* current = widgets_.at(record->name);
        if (current->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, current);
        else
            first = current;
        previous = current;
    }
    if (first)
        first->setFocus();
}

QWidget& Form::widget(const std::string& name)
{
    return lookUp(widgets_, name, "visible control");
}

QPushButton& Form::commandButton(const std::string& name)
{
    auto* button = qobject_cast<QPushButton*>(&widget(name));
    if (!button)
        throw std::invalid_argument("the control " + name + " is not a command button");
    return *button;
}

PictureBox& Form::pictureBox(const std::string& name)
{
    return lookUp(pictureBoxes_, name, "picture box");
}

Label& Form::label(const std::string& name)
{
    return lookUp(labels_, name, "label");
}

Timer& Form::timer(const std::string& name)
{
    return lookUp(timers_, name, "timer");
}

void Form::announce(const QString& text)
{
    notice_->announce(text);
}

void Form::bind(const std::string& control, Event event, EventDispatcher::Handler handler)
{
    auto deliver = [this, handler = std::move(handler)] { dispatcher_.deliver(handler); };
    if (event == Event::Timer) {
        QTimer& timer = lookUp(toolkitTimers_, control, "timer");
        QObject::connect(&timer, &QTimer::timeout, window_.get(),
                         [&timer, deliver] { KeysInFlight::deliverTick(timer, deliver); });
        return;
    }
    auto* button = qobject_cast<QPushButton*>(&widget(control));
    if (!button)
        throw std::invalid_argument("the form has no button named " + control);
    QObject::connect(button, &QPushButton::clicked, window_.get(), deliver);
}

QSize clientSize(const FormDescription& description)
{
    return QSize(description.clientWidth, description.clientHeight) / twipsPerPixel;
}

} // namespace runtime::qt
