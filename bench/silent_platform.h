#pragma once

#include "core/system/platform.h"

namespace lesson::bench {

// The desktop for the benchmarks: no box ever waits for an answer, the
// lesson runs from a fixed disk, the clipboard and the end are left alone.
class SilentPlatform : public Platform {
public:
    bool showMessage(const MessageSpec &) override { return false; }
    quint8 currentDriveType() override { return DriveFixed; }
    void clearClipboard() override {}
    QStringList screenFonts() override { return {}; }
    void quit() override {}
};

} // namespace lesson::bench
