// SPDX-License-Identifier: MIT
#include "runtime/qt/FontWarmup.h"

#include <QFontDatabase>
#include <QStringList>

#ifdef TIROBOL_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace runtime::qt {

FontWarmup::FontWarmup()
    : thread_([ready = applicationReady_.get_future()]() mutable {
#ifdef TIROBOL_HAS_FONTCONFIG
        // fontconfig loads its configuration once per process, thread-safely; the toolkit then finds it
        // ready.
        FcInit();
#endif
        // The font database's functions are thread-safe; the first text drawn waits for it if need be.
        if (ready.get())
            QFontDatabase::families();
    })
{
}

void FontWarmup::fillFontDatabase()
{
    applicationReady_.set_value(true);
    told_ = true;
}

FontWarmup::~FontWarmup()
{
    if (!told_)
        applicationReady_.set_value(false);
    thread_.join();
}

} // namespace runtime::qt
