// SPDX-License-Identifier: MIT
#pragma once

#include <future>
#include <thread>

namespace runtime::qt {

// Readies the fonts on a second thread while the main thread starts the toolkit and builds the window, so
// that the first frame's text does not wait for them: on Linux that is most of the work of a first frame.
// Create it first thing, to load the system's font configuration; call fillFontDatabase() once the
// application exists, to go on to the toolkit's font database. The thread is joined when it goes.
class FontWarmup {
public:
    FontWarmup();
    ~FontWarmup();
    FontWarmup(const FontWarmup&) = delete;
    FontWarmup& operator=(const FontWarmup&) = delete;

    void fillFontDatabase();

private:
    std::promise<bool> applicationReady_;
    bool told_ = false;
    std::thread thread_;
};

} // namespace runtime::qt
