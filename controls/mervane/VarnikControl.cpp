#include "VarnikControl.h"

namespace mervane {

varnik::UCVarnik::Options panelOptions()
{
    return varnik::UCVarnik::Options{
        [] { return float(varnik::UCVarnik::DesignLevel); },
        TonePath::Policy{ModPlay::SoundOnly, TonePath::Pointer::Untouched, TonePath::File::PrivateTemporary},
        false,
    };
}

varnik::UCVarnik *createVarnik()
{
    auto *panel = new varnik::UCVarnik(panelOptions());
    panel->setObjectName(QStringLiteral("UCVarnik"));
    panel->hide();
    return panel;
}

} // namespace mervane
