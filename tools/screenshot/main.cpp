// SPDX-License-Identifier: MIT
// Saves a picture of the game's window in the middle of a shot, rendered offscreen, for the README.
#include <cstdio>

#include <QImage>

#include "app/GameWindow.h"
#include "app/Program.h"

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto application = app::startToolkit(argc, argv);

    // The horizontal ball thrown on stop 4, the vertical ball on its way down at stop 2.
    app::GameWindow window;
    game::Form1& game = window.game();
    game.sweep.stepIndex = 4;
    game.Timer1_Timer();
    game.cmdTirar_Click();
    for (int tick = 0; tick < 3; ++tick)
        game.Timer2_Timer();
    window.show();

    // The same pixels make the same file whatever the screen's dpi setting: 96 dpi per whole scale.
    QImage image = window.form().window().grab().toImage();
    const int dotsPerMeter = qRound(96 / 0.0254 * image.devicePixelRatio());
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    if (!image.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
