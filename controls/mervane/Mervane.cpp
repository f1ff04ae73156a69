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
    "Varnik",
    "Varnik",
    1,
    0,
    0x409,
    2,
    com::Guid::parse("{75E6B486-24AF-40D1-9A6C-6F65B6EDB1D9}"),
    "UCVarnik",
    com::Guid::parse("{A18C7F68-68AC-49E6-B563-9D99EABEC851}"),
    "Varnik.UCVarnik",
    {"_UCVarnik", com::Guid::parse("{A824B64B-5DE3-4FE8-8E43-03F38BF454D9}")},
    {"__UCVarnik", com::Guid::parse("{16746B5C-4BCE-4FC6-8F2C-7F97C41726BC}")},
    0x20191,
    30000,
    varnik::UCVarnik::DesignWidth,
    varnik::UCVarnik::DesignHeight,
    nullptr,
    ToolboxRows,
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
