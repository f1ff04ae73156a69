#include "PelliraPanel.h"

#include "platform/com/ControlServer.h"

namespace {

// a threshold curve falling and rising again over the bars
constexpr const char *ToolboxRows[15] = {
    "FFFFFFFFFFFFFFFF", "F00000000000000F", "F0FFFFFFFFFFFF0F", "F0F9FFFFFFFFFF0F", "F0FF9FFFFFFF9F0F",
    "F0FFF9FFFFF9FF0F", "F0FFFF9FFF9FFF0F", "F0FFFFF999FFFF0F", "F0FFFFFFFFFFFF0F", "F0CFCFCFCFCFCF0F",
    "F0CFCFCFCFCFCF0F", "F0FFFFFFFFFFFF0F", "F00000000000000F", "FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF",
};

constexpr com::VersionBlock Version{
    .language = 0x0407,
    .codePage = 1200,
    .fileVersion = "1.00",
    .productVersion = "1.00",
    .productName = "Pellira",
    .internalName = "Pellira",
    .originalFilename = "Pellira.ocx",
    .selfRegister = true,
    .fixedFileVersion = {1, 0, 0, 0},
};

constexpr com::ControlDescription Description{
    .libraryName = "Pellira",
    .helpString = "Pellira",
    .versionMajor = 2,
    .versionMinor = 0,
    .locale = 0x409,
    .libraryFlags = 2,
    .libid = com::Guid::parse("{0F6F8C4C-CB2D-11D2-83A5-004005A1C26D}"),
    .className = "UCLimbra",
    .clsid = com::Guid::parse("{D066D4F4-CBCD-11D2-83A5-004005A1C26D}"),
    .progId = "Pellira.UCLimbra",
    .defaultInterface = {"_UCLimbra", com::Guid::parse("{D066D4F3-CBCD-11D2-83A5-004005A1C26D}")},
    .eventInterface = {"__UCLimbra", com::Guid::parse("{D066D4F5-CBCD-11D2-83A5-004005A1C26D}")},
    .miscStatus = 0x20191,
    .toolboxBitmapId = 30000,
    .designWidthTwips = limbra::UCLimbra::DesignWidth,
    .designHeightTwips = limbra::UCLimbra::DesignHeight,
    .version = &Version,
    .toolboxRows = ToolboxRows,
};

} // namespace

const com::ControlDefinition &velmoraControlDefinition()
{
    static const com::ControlDefinition definition{Description, &com::hiddenPanel<pellira::PelliraPanel>};
    return definition;
}
