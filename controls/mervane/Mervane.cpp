#include "VarnikControl.h"

#include "platform/com/ControlServer.h"

namespace {

// a swinging tone
constexpr const char *ToolboxRows[15] = {
    "FFFFFFFFFFFFFFFF", "F00000000000000F", "F0FFFFFFFFFFFF0F", "F0FF9FFFFFF9FF0F", "F0F9F9FFFF9F9F0F",
    "F09FFF9FF9FFF90F", "F0FFFFF99FFFFF0F", "F0FFFFFFFFFFFF0F", "F0FFCCCCCCCCFF0F", "F0FFFFFFFFFFFF0F",
    "F0FFFFFFFFFFFF0F", "F0FFFFFFFFFFFF0F", "F00000000000000F", "FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF",
};

constexpr com::ControlDescription Description{
    .libraryName = "Varnik",
    .helpString = "Varnik",
    .versionMajor = 1,
    .versionMinor = 0,
    .locale = 0x409,
    .libraryFlags = 2,
    .libid = com::Guid::parse("{75E6B486-24AF-40D1-9A6C-6F65B6EDB1D9}"),
    .className = "UCVarnik",
    .clsid = com::Guid::parse("{A18C7F68-68AC-49E6-B563-9D99EABEC851}"),
    .progId = "Varnik.UCVarnik",
    .defaultInterface = {"_UCVarnik", com::Guid::parse("{A824B64B-5DE3-4FE8-8E43-03F38BF454D9}")},
    .eventInterface = {"__UCVarnik", com::Guid::parse("{16746B5C-4BCE-4FC6-8F2C-7F97C41726BC}")},
    .miscStatus = 0x20191,
    .toolboxBitmapId = 30000,
    .designWidthTwips = varnik::UCVarnik::DesignWidth,
    .designHeightTwips = varnik::UCVarnik::DesignHeight,
    .version = nullptr,
    .toolboxRows = ToolboxRows,
};

QWidget *createPanel()
{
    return mervane::createVarnik();
}

} // namespace

const com::ControlDefinition &velmoraControlDefinition()
{
    static const com::ControlDefinition definition{Description, &createPanel};
    return definition;
}
