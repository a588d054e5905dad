// SPDX-License-Identifier: MIT
#include "window/Form1Description.h"

#include "window/Identity.h"

namespace window {

using runtime::ControlKind;
using runtime::ControlRecord;
namespace SystemColours = runtime::SystemColours;

namespace {

runtime::FormDescription describeForm1()
{
    return {
        .caption = productName,
        .clientWidth = 10350,
        .clientHeight = 7860,
        .backColour = SystemColours::menuText,
        .icon = ":/assets/tirobol.ico",
        .controls =
            {
                ControlRecord{.name = "Picture4",
                              .kind = ControlKind::PictureBox,
                              .left = 240,
                              .top = 120,
                              .width = 1455,
                              .height = 615,
                              .tabIndex = 6,
                              .backColour = SystemColours::menuText,
                              .picture = ":/assets/title.gif",
                              .accessibleName = "Título: Tirobol"},
                ControlRecord{.name = "Picture3",
                              .kind = ControlKind::PictureBox,
                              .left = 5880,
                              .top = 0,
                              .width = 4335,
                              .height = 6615,
                              .tabIndex = 5,
                              .backColour = SystemColours::windowBackground,
                              .foreColour = SystemColours::windowText,
                              .framed = true,
                              .picture = ":/assets/photo.jpg",
                              .accessibleName = "Fotografía: un jugador vuela hacia el aro y mete la pelota"},
                ControlRecord{.name = "cmdReset",
                              .kind = ControlKind::CommandButton,
                              .left = 4320,
                              .top = 4440,
                              .width = 1095,
                              .height = 375,
                              .tabIndex = 4,
                              .caption = "Reiniciar"},
                ControlRecord{
                    .name = "Timer2", .kind = ControlKind::Timer, .enabled = false, .intervalMs = 100},
                ControlRecord{.name = "Timer1", .kind = ControlKind::Timer, .intervalMs = 100},
                ControlRecord{.name = "cmdTirar",
                              .kind = ControlKind::CommandButton,
                              .left = 4320,
                              .top = 3120,
                              .width = 1095,
                              .height = 975,
                              .tabIndex = 2,
                              .caption = "Tirar",
                              .isDefault = true},
                ControlRecord{.name = "Picture2",
                              .kind = ControlKind::PictureBox,
                              .left = 840,
                              .top = 1920,
                              .width = 1095,
                              .height = 1095,
                              .tabIndex = 1,
                              .backColour = SystemColours::menuText,
                              .picture = ":/assets/ball.bmp",
                              .accessibleName = "Pelota que va y viene de izquierda a derecha"},
                ControlRecord{.name = "Picture1",
                              .kind = ControlKind::PictureBox,
                              .left = 2760,
                              .top = 0,
                              .width = 1095,
                              .height = 1095,
                              .tabIndex = 0,
                              .backColour = SystemColours::menuText,
                              .picture = ":/assets/ball.bmp",
                              .accessibleName = "Pelota que sube y baja"},
                ControlRecord{.name = "lbl",
                              .kind = ControlKind::Label,
                              .left = 480,
                              .top = 5040,
                              .width = 4335,
                              .height = 375,
                              .tabIndex = 3,
                              .accessibleDescription = "Indicación para el jugador",
                              .announced = true},
                ControlRecord{.name = "Shape1",
                              .kind = ControlKind::Shape,
                              .left = 2280,
                              .top = 1440,
                              .width = 1935,
                              .height = 2055,
                              // Plain white, and the outline in the title-bar text colour.
                              .backColour = runtime::Colour{255, 255, 255},
                              .foreColour = SystemColours::titleBarText,
                              .lineWidth = 2,
                              .accessibleName = "Blanco: donde se cruzan las dos pelotas"},
            },
    };
}

} // namespace

const runtime::FormDescription& form1Description()
{
    static const runtime::FormDescription description = describeForm1();
    return description;
}

} // namespace window
