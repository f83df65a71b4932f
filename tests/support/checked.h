#pragma once

#include <QTest>

// Runs a helper of a test that checks with QVERIFY or QCOMPARE inside, and
// ends the test when the helper failed: going on would bury the first fault,
// where the helper stopped, under confusing ones.
#define CHECKED(call)                                                                                                  \
    do {                                                                                                               \
        call;                                                                                                          \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)
