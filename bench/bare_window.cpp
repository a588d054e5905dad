// SPDX-License-Identifier: MIT
// The toolkit's floor: an empty Qt window of the game's size, timed the same way as the game.
#include "FirstFrame.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(690, 524);
    window.show();
    bench::afterFirstFrame(window, [] {
        std::printf("frame %lld\n", bench::monotonicNanoseconds());
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return application.exec();
}
