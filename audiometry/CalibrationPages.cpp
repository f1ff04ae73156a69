#include "CalibrationPages.h"

#include "DialogPref.h"
#include "DialogPref1.h"
#include "DialogPref2.h"

namespace CalibrationPages {

std::int32_t referenceAmplitude()
{
    return DialogPref2::instance().TestValue;
}

void attach(FormMain::Options &options)
{
    options.calibrateAtStart = [] { DialogPref2::instance().TestValue = DefaultTestValue; };
    options.firstPage = [] { return &DialogPref::instance(); };
    options.unload = {&DialogPref2::unload, &DialogPref1::unload, &DialogPref::unload};
}

} // namespace CalibrationPages
