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
    .libraryName = "Sorvena",
    .helpString = "Sorvena",
    .versionMajor = 4,
    .versionMinor = 0,
    .locale = 0x409,
    .libraryFlags = 2,
    .libid = com::Guid::parse("{CE45A28A-F4A3-43DE-8A04-1D74DBCC8749}"),
    .className = "Rovad",
    .clsid = com::Guid::parse("{5D44A325-FF46-4936-B099-6860FD51F956}"),
    .progId = "Sorvena.Rovad",
    .defaultInterface = {"_Klang", com::Guid::parse("{EAA35A6C-985F-49BE-A3F2-7E22FA154491}")},
    .eventInterface = {"__Klang", com::Guid::parse("{FDE10681-A54E-4287-A17D-C6602F5AF26C}")},
    .miscStatus = 0x20191,
    .toolboxBitmapId = 30000,
    .designWidthTwips = rovad::KlangPanel::DesignWidth,
    .designHeightTwips = rovad::KlangPanel::DesignHeight,
    .version = nullptr,
    .toolboxRows = ToolboxRows,
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
