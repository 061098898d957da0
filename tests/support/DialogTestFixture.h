// The set-up the dialog tests share: each test starts from an empty image with message
// boxes answered by the test, and ends with no message box that it did not expect.
#pragma once

#include "model/ChannelDatabase.h"

#include <QObject>

namespace vormante::testsupport {

class DialogTestFixture : public QObject {
    Q_OBJECT

protected Q_SLOTS:
    // A test class with set-up of its own declares init() and calls this one first.
    void init();
    void cleanup();

protected:
    ChannelDatabase db_;
};

} // namespace vormante::testsupport
