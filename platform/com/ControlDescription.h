#pragma once

#include "Com.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>

namespace com {

struct InterfaceDescription {
    const char *name;  // "_UCHTest"
    Guid iid;
};

// The strings and numbers of a library's version block.
struct VersionBlock {
    std::uint16_t language;  // 0x0407
    std::uint16_t codePage;  // 1200
    const char *fileVersion;
    const char *productVersion;
    const char *productName;
    const char *internalName;
    const char *originalFilename;
    bool selfRegister;  // the empty "OLESelfRegister" entry
    std::array<std::uint16_t, 4> fixedFileVersion;
};

// Everything a control library says about its one class, as static data.
struct ControlDescription {
    const char *libraryName;  // type library name, "Tavoni"
    const char *helpString;
    std::uint16_t versionMajor;
    std::uint16_t versionMinor;
    std::uint32_t locale;        // 0x409
    std::uint32_t libraryFlags;  // 2: a control library
    Guid libid;
    const char *className;  // "UCHTest"
    Guid clsid;
    const char *progId;  // "Tavoni.UCHTest"
    InterfaceDescription defaultInterface;
    InterfaceDescription eventInterface;
    std::uint32_t miscStatus;  // 0x20191
    int toolboxBitmapId;       // 30000
    int designWidthTwips;
    int designHeightTwips;
    const VersionBlock *version;   // null where the library has none
    const char *const *toolboxRows;  // 15 rows of 16 palette indices, "0" … "F"
};

// "{66C4CD8B-F059-46C3-9175-C472A592E62B}": upper case, with braces.
QString toText(const Guid &guid);
// False for anything but that form (either case).
bool fromText(const QString &text, Guid &guid);
// u32 16, then the GUID's memory image (first three fields little-endian): 20 bytes.
QByteArray resourceImage(const Guid &guid);
// "VERSION": "1.0".
QString versionText(const ControlDescription &description);
// The toolbox image, 16 × 15 pixels of the 16-colour palette.
QImage toolboxBitmap(const ControlDescription &description);

} // namespace com
