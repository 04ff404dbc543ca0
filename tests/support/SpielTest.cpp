#include "tests/support/SpielTest.h"

void SpielTest::init()
{
    spiel_ = std::make_unique<fakes::Spiel>();
    if (zeigen_) QVERIFY(spielhilfe::zeigen(w()));
}

void SpielTest::cleanup()
{
    spiel_.reset();
}
