#include "TavoniPanel.h"

#include "platform/com/ControlServer.h"

namespace {

constexpr const char *ToolboxRows[15] = {
    "FFFFFFFFFFFFFFFF", "F00000000000000F", "F0FFFFFFFFFFFF0F", "F0F9FFFFFFFCFF0F", "F0FF9FFFFFCFFF0F",
    "F0FFF9FFFCFFFF0F", "F0FFFF9FCFFFFF0F", "F0FFFFF9FFFFFF0F", "F0FFFFCF9FFFFF0F", "F0FFFCFFF9FFFF0F",
    "F0FFCFFFFF9FFF0F", "F0FFFFFFFFFFFF0F", "F00000000000000F", "FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF",
};

constexpr com::VersionBlock Version{
    .language = 0x0407,
    .codePage = 1200,
    .fileVersion = "1.00",
    .productVersion = "1.00",
    .productName = "Tavoni",
    .internalName = "Tavoni",
    .originalFilename = "Tavoni.ocx",
    .selfRegister = true,
    .fixedFileVersion = {1, 0, 0, 0},
};

constexpr com::ControlDescription Description{
    .libraryName = "Tavoni",
    .helpString = "Tavoni",
    .versionMajor = 1,
    .versionMinor = 0,
    .locale = 0x409,
    .libraryFlags = 2,
    .libid = com::Guid::parse("{16C84088-0A76-4914-8871-CD666BAEF769}"),
    .className = "UCHTest",
    .clsid = com::Guid::parse("{66C4CD8B-F059-46C3-9175-C472A592E62B}"),
    .progId = "Tavoni.UCHTest",
    .defaultInterface = {"_UCHTest", com::Guid::parse("{3E9BB989-2914-43DF-AC3A-11386F62A4B7}")},
    .eventInterface = {"__UCHTest", com::Guid::parse("{550C4155-8E35-4D9D-8A22-00B97CA660DF}")},
    .miscStatus = 0x20191,
    .toolboxBitmapId = 30000,
    .designWidthTwips = tavoni::TavoniPanel::DesignWidth,
    .designHeightTwips = tavoni::TavoniPanel::DesignHeight,
    .version = &Version,
    .toolboxRows = ToolboxRows,
};

} // namespace

const com::ControlDefinition &velmoraControlDefinition()
{
    static const com::ControlDefinition definition{Description, &com::hiddenPanel<tavoni::TavoniPanel>};
    return definition;
}
