#pragma once

#include "thresholds/varnik/UCVarnik.h"

namespace mervane {

// A hosted panel has no level pages to show: every tone at the pages' design level, the pointer
// left to the host, no "Close", the tone file private and removed after playing.
varnik::UCVarnik::Options panelOptions();

// The control "UCVarnik": Varnik's panel standing alone, hidden and parentless until a host
// sites it.
varnik::UCVarnik *createVarnik();

} // namespace mervane
