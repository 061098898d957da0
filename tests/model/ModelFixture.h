// The database the model test classes work on: an empty image loaded afresh,
// with one satellite of a few transponders when a case asks for it.
#pragma once

#include "ModelTestImages.h"
#include "TestSupport.h"

#include <QObject>

namespace modeltest {

class ModelFixture : public QObject {
protected:
    ChannelDatabase db_;
    int sat_ = -1;

    // An empty image; with transponders > 0 one satellite of that many becomes sat_.
    // False when the image does not load (callers QVERIFY it).
    [[nodiscard]] bool loadEmpty(int transponders = 0) {
        if (!testsupport::LoadInto(db_, testsupport::EmptyImage()))
            return false;
        sat_ = transponders > 0 ? AddSatelliteWithTransponders(db_, transponders) : -1;
        return true;
    }
};

} // namespace modeltest
