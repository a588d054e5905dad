// SPDX-License-Identifier: MIT
// The toolkit's floor: an empty Qt window of the game's size, timed the same way as the game.
// `bare-window text` adds one push button with a caption: the floor for any window that shows text.
#include <cstdio>

#include <QApplication>
#include <QPushButton>

#include "bench/Clock.h"
#include "runtime/qt/FirstFrame.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setFixedSize(690, 524);
    if (argc > 1 && QByteArray(argv[1]) == "text")
        (new QPushButton(QStringLiteral("Tirar"), &window))->setGeometry(288, 208, 73, 65);
    window.show();
    runtime::qt::afterFirstFrame(window, [] {
        std::printf("frame %lld\n", bench::monotonicNanoseconds());
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return application.exec();
}
