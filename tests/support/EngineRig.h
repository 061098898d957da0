// One transfer window's worth of protocol for the engine tests: a serial channel (a fake or a
// real port), a view that records what the window would show, and the engine between them.
#pragma once

#include "RecordingView.h"
#include "transfer/TransferEngine.h"

#include <QString>

namespace vormante::testsupport {

template <class Channel> struct EngineRig {
    Channel channel;
    RecordingView view;
    TransferEngine engine;

    explicit EngineRig(TransferDirection direction, const QString& file = QString())
        : engine(direction, file, channel, view) {
        engine.Initialize();
    }
};

} // namespace vormante::testsupport
