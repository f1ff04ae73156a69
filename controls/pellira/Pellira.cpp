#include "PelliraPanel.h"

#include "platform/com/ControlServer.h"

namespace {

// a threshold curve falling and rising again over the bars
constexpr const char *ToolboxRows[15] = {
    "FFFFFFFFFFFFFFFF", "F00000000000000F", "F0FFFFFFFFFFFF0F", "F0F9FFFFFFFFFF0F", "F0FF9FFFFFFF9F0F",
    "F0FFF9FFFFF9FF0F", "F0FFFF9FFF9FFF0F", "F0FFFFF999FFFF0F", "F0FFFFFFFFFFFF0F", "F0CFCFCFCFCFCF0F",
    "F0CFCFCFCFCFCF0F", "F0FFFFFFFFFFFF0F", "F00000000000000F", "FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF",
};

constexpr com::VersionBlock Version{0x0407, 1200, "1.00", "1.00", "Pellira", "Pellira", "Pellira.ocx", true, {1, 0, 0, 0}};

constexpr com::ControlDescription Description{
    "Pellira",
    "Pellira",
    2,
    0,
    0x409,
    2,
    com::Guid::parse("{0F6F8C4C-CB2D-11D2-83A5-004005A1C26D}"),
    "UCLimbra",
    com::Guid::parse("{D066D4F4-CBCD-11D2-83A5-004005A1C26D}"),
    "Pellira.UCLimbra",
    {"_UCLimbra", com::Guid::parse("{D066D4F3-CBCD-11D2-83A5-004005A1C26D}")},
    {"__UCLimbra", com::Guid::parse("{D066D4F5-CBCD-11D2-83A5-004005A1C26D}")},
    0x20191,
    30000,
    limbra::UCLimbra::DesignWidth,
    limbra::UCLimbra::DesignHeight,
    &Version,
    ToolboxRows,
};

} // namespace

const com::ControlDefinition &velmoraControlDefinition()
{
    static const com::ControlDefinition definition{Description, &com::hiddenPanel<pellira::PelliraPanel>};
    return definition;
}
