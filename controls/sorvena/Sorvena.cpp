#include "RovadControl.h"

#include "platform/com/ControlServer.h"

namespace {

// a line spectrum under one period
constexpr const char *ToolboxRows[15] = {
    "FFFFFFFFFFFFFFFF", "F00000000000000F", "F0FFFFFFFFFFFF0F", "F0FF99FFFFFFFF0F", "F0F9FF9FFFF9FF0F",
    "F0FFFFF9FF9FFF0F", "F0FFFFFF99FFFF0F", "F0FFFFFFFFFFFF0F", "F0CFFFFFFFFFFF0F", "F0CFCFFFFFFFFF0F",
    "F0CFCFCFFFFFFF0F", "F0CFCFCFCFCFFF0F", "F00000000000000F", "FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF",
};

constexpr com::ControlDescription Description{
    "Sorvena",
    "Sorvena",
    4,
    0,
    0x409,
    2,
    com::Guid::parse("{CE45A28A-F4A3-43DE-8A04-1D74DBCC8749}"),
    "Rovad",
    com::Guid::parse("{5D44A325-FF46-4936-B099-6860FD51F956}"),
    "Sorvena.Rovad",
    {"_Klang", com::Guid::parse("{EAA35A6C-985F-49BE-A3F2-7E22FA154491}")},
    {"__Klang", com::Guid::parse("{FDE10681-A54E-4287-A17D-C6602F5AF26C}")},
    0x20191,
    30000,
    rovad::KlangPanel::DesignWidth,
    rovad::KlangPanel::DesignHeight,
    nullptr,
    ToolboxRows,
};

QWidget *createPanel()
{
    return sorvena::createRovad();
}

} // namespace

const com::ControlDefinition &velmoraControlDefinition()
{
    static const com::ControlDefinition definition{Description, &createPanel};
    return definition;
}
