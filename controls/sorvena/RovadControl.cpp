#include "RovadControl.h"

namespace sorvena {

rovad::KlangPanel *createRovad()
{
    auto *panel = new rovad::KlangPanel();
    panel->setObjectName(QStringLiteral("Rovad"));
    panel->hide();
    return panel;
}

} // namespace sorvena
