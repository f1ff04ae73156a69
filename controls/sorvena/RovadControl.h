#pragma once

#include "demos/rovad/KlangPanel.h"

namespace sorvena {

// The control "Rovad": Rovad's panel standing alone, without menus, settings, export or
// "Beenden". Its plots are drawn as it is made; "Wiedergabe" plays by itself, leaving the
// pointer to the host and no file behind. Hidden and parentless until a host sites it.
rovad::KlangPanel *createRovad();

} // namespace sorvena
