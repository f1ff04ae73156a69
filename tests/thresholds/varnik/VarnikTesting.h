#pragma once

#include "audiometry/AudiometryTesting.h"
#include "platform/TempFiles.h"
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

// What a tone tells its multimedia control.
inline QStringList toneLog(bool closes)
{
    QStringList log{"FileName=" + platform::soundFilePath(), "Flag1=false", "Flag2=true", "Command=Sound"};
    if (closes)
        log.append("Command=Close");
    return log;
}

} // namespace varnik_testing
