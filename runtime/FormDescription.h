// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "runtime/Colours.h"

namespace runtime {

enum class ControlKind { PictureBox, CommandButton, Label, Timer, Shape };

// One control: its name, its kind and only what differs from that kind's defaults.
// Positions and sizes are twips in the client area; a control's box includes its frame.
struct ControlRecord {
    std::string name{};
    ControlKind kind = ControlKind::PictureBox;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::optional<int> tabIndex{};
    std::string caption{};
    std::optional<Colour> backColour{};
    std::optional<Colour> foreColour{};
    // Picture box: a one-pixel line around the box.
    bool framed = false;
    // Command button: pressed by Enter unless another button has the focus.
    bool isDefault = false;
    // Timer: ticks from start-up.
    bool enabled = true;
    int intervalMs = 0;
    // Shape: outline width in pixels.
    int lineWidth = 1;
    // Picture box: the picture drawn unscaled at the top-left of its inner area; a resource path.
    std::string picture{};
    // What a screen reader says of the control; a label's name is its text, so it gets a description.
    std::string accessibleName{};
    std::string accessibleDescription{};
    // Label: each new text is said to screen readers as it appears, and withdrawn when cleared.
    bool announced = false;
};

// The window and its controls; the first control lies in front.
struct FormDescription {
    std::string caption{};
    int clientWidth = 0;
    int clientHeight = 0;
    Colour backColour = SystemColours::buttonFace;
    // An icon file of one or more sizes; a resource path.
    std::string icon{};
    std::vector<ControlRecord> controls{};
};

} // namespace runtime
