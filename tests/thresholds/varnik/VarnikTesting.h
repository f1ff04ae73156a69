#pragma once

#include "audiometry/AudiometryTesting.h"
#include "thresholds/varnik/DialogPref1.h"
#include "thresholds/varnik/DialogPref2.h"

#include <QCoreApplication>

namespace varnik_testing {

// Zezevav's pages and Varnik's own are unloaded after every test.
class VarnikTest : public audiometry_testing::AudiometryTest {
protected:
    ~VarnikTest() override
    {
        varnik::DialogPref2::unload();
        varnik::DialogPref1::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

} // namespace varnik_testing
