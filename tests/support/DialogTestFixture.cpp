#include "DialogTestFixture.h"

#include "TestSupport.h"
#include "controls/MessageBox.h"

#include <QtTest>

namespace vormante::testsupport {

void DialogTestFixture::init() {
    MessageBox::setTestMode(true);
    QVERIFY(LoadInto(db_, EmptyImage()));
}

void DialogTestFixture::cleanup() {
    QVERIFY(MessageBox::unexpectedPrompts().isEmpty());
    MessageBox::setTestMode(false);
}

} // namespace vormante::testsupport
