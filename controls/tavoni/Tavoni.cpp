#include "TavoniPanel.h"

#include "platform/com/ControlServer.h"

namespace {

constexpr const char *ToolboxRows[15] = {
    "FFFFFFFFFFFFFFFF", "F00000000000000F", "F0FFFFFFFFFFFF0F", "F0F9FFFFFFFCFF0F", "F0FF9FFFFFCFFF0F",
    "F0FFF9FFFCFFFF0F", "F0FFFF9FCFFFFF0F", "F0FFFFF9FFFFFF0F", "F0FFFFCF9FFFFF0F", "F0FFFCFFF9FFFF0F",
    "F0FFCFFFFF9FFF0F", "F0FFFFFFFFFFFF0F", "F00000000000000F", "FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF",
};

constexpr com::VersionBlock Version{0x0407, 1200, "1.00", "1.00", "Tavoni", "Tavoni", "Tavoni.ocx", true, {1, 0, 0, 0}};

constexpr com::ControlDescription Description{
    "Tavoni",
    "Tavoni",
    1,
    0,
    0x409,
    2,
    com::Guid::parse("{16C84088-0A76-4914-8871-CD666BAEF769}"),
    "UCHTest",
    com::Guid::parse("{66C4CD8B-F059-46C3-9175-C472A592E62B}"),
    "Tavoni.UCHTest",
    {"_UCHTest", com::Guid::parse("{3E9BB989-2914-43DF-AC3A-11386F62A4B7}")},
    {"__UCHTest", com::Guid::parse("{550C4155-8E35-4D9D-8A22-00B97CA660DF}")},
    0x20191,
    30000,
    tavoni::TavoniPanel::DesignWidth,
    tavoni::TavoniPanel::DesignHeight,
    &Version,
    ToolboxRows,
};

} // namespace

const com::ControlDefinition &velmoraControlDefinition()
{
    static const com::ControlDefinition definition{Description, &com::hiddenPanel<tavoni::TavoniPanel>};
    return definition;
}
