#pragma once

#include <array>
#include <cstdint>
#include <string_view>

class QWidget;

// A small component ABI: what a host and a control library agree on across the library
// boundary. Interfaces hold only pure virtual noexcept functions in a fixed order, so their
// vtables are laid out as the component platform lays them out.
namespace com {

using HResult = std::int32_t;

inline constexpr HResult S_OK = 0;
inline constexpr HResult S_FALSE = 1;
inline constexpr HResult E_NOINTERFACE = std::int32_t(0x80004002u);
inline constexpr HResult E_POINTER = std::int32_t(0x80004003u);
inline constexpr HResult E_FAIL = std::int32_t(0x80004005u);
inline constexpr HResult E_OUTOFMEMORY = std::int32_t(0x8007000Eu);
inline constexpr HResult E_UNEXPECTED = std::int32_t(0x8000FFFFu);
inline constexpr HResult CLASS_E_NOAGGREGATION = std::int32_t(0x80040110u);
inline constexpr HResult CLASS_E_CLASSNOTAVAILABLE = std::int32_t(0x80040111u);
inline constexpr HResult SELFREG_E_CLASS = std::int32_t(0x80040201u);
inline constexpr HResult STG_E_LOCKVIOLATION = std::int32_t(0x80030021u);
inline constexpr HResult DISP_E_UNKNOWNNAME = std::int32_t(0x80020006u);
inline constexpr HResult DISP_E_MEMBERNOTFOUND = std::int32_t(0x80020003u);
inline constexpr HResult RPC_E_WRONG_THREAD = std::int32_t(0x8001010Eu);

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    friend constexpr bool operator==(const Guid &, const Guid &) = default;

    // From "{66C4CD8B-F059-46C3-9175-C472A592E62B}"; a malformed text does not compile where
    // the Guid is a constant expression.
    static constexpr Guid parse(std::string_view text)
    {
        if (text.size() != 38 || text.front() != '{' || text.back() != '}' || text[9] != '-' || text[14] != '-'
            || text[19] != '-' || text[24] != '-')
            throw "malformed GUID";
        auto hex = [&](std::size_t at, int digits) {
            std::uint32_t value = 0;
            for (int i = 0; i < digits; ++i) {
                const char c = text[at + std::size_t(i)];
                const int d = c >= '0' && c <= '9' ? c - '0'
                    : c >= 'A' && c <= 'F'         ? c - 'A' + 10
                    : c >= 'a' && c <= 'f'         ? c - 'a' + 10
                                                   : -1;
                if (d < 0)
                    throw "malformed GUID";
                value = value * 16 + std::uint32_t(d);
            }
            return value;
        };
        Guid g;
        g.data1 = hex(1, 8);
        g.data2 = std::uint16_t(hex(10, 4));
        g.data3 = std::uint16_t(hex(15, 4));
        g.data4[0] = std::uint8_t(hex(20, 2));
        g.data4[1] = std::uint8_t(hex(22, 2));
        for (std::size_t i = 0; i < 6; ++i)
            g.data4[2 + i] = std::uint8_t(hex(25 + 2 * i, 2));
        return g;
    }
};

// Known interfaces: the platform's own identifiers, and two of the suite's own.
inline constexpr Guid IID_IUnknown = Guid::parse("{00000000-0000-0000-C000-000000000046}");
inline constexpr Guid IID_IClassFactory = Guid::parse("{00000001-0000-0000-C000-000000000046}");
inline constexpr Guid IID_IDispatch = Guid::parse("{00020400-0000-0000-C000-000000000046}");
inline constexpr Guid IID_IControlSite = Guid::parse("{8A0D7E52-3C41-4F7B-9B6E-2D5C1A94E3F0}");
inline constexpr Guid IID_IControlInfo = Guid::parse("{5B3F2C18-7E9A-4D06-A1C4-93E8F05B7D21}");

class IUnknown {
public:
    virtual HResult QueryInterface(const Guid &iid, void **object) noexcept = 0;
    virtual std::uint32_t AddRef() noexcept = 0;
    virtual std::uint32_t Release() noexcept = 0;

protected:
    ~IUnknown() = default;
};

class IClassFactory : public IUnknown {
public:
    virtual HResult CreateInstance(IUnknown *outer, const Guid &iid, void **object) noexcept = 0;
    virtual HResult LockServer(std::int32_t lock) noexcept = 0;

protected:
    ~IClassFactory() = default;
};

// The controls' default interfaces have no members: every call answers "no such member".
class IDispatch : public IUnknown {
public:
    virtual HResult GetTypeInfoCount(std::uint32_t *count) noexcept = 0;
    virtual HResult GetTypeInfo(std::uint32_t index, std::uint32_t locale, void **info) noexcept = 0;
    virtual HResult GetIDsOfNames(const Guid &iid, char16_t **names, std::uint32_t count, std::uint32_t locale,
                                  std::int32_t *ids) noexcept = 0;
    virtual HResult Invoke(std::int32_t member, const Guid &iid, std::uint32_t locale, std::uint16_t flags,
                           void *params, void *result, void *exception, std::uint32_t *argumentError) noexcept = 0;

protected:
    ~IDispatch() = default;
};

// How a host sites a control: the panel becomes the container's child at (0, 0) with its design
// size; nullptr takes it out again. Host and control share the process's one Qt.
class IControlSite : public IUnknown {
public:
    virtual HResult SetContainer(QWidget *container) noexcept = 0;
    virtual HResult GetPanel(QWidget **panel) noexcept = 0;

protected:
    ~IControlSite() = default;
};

struct ControlDescription;

// The static identity data of a control class.
class IControlInfo : public IUnknown {
public:
    virtual HResult GetDescription(const ControlDescription **description) noexcept = 0;

protected:
    ~IControlInfo() = default;
};

} // namespace com

// The four entry points of a control library; nothing else leaves it.
extern "C" {
using DllRegisterServerFunction = com::HResult (*)();
using DllUnregisterServerFunction = com::HResult (*)();
using DllGetClassObjectFunction = com::HResult (*)(const com::Guid *clsid, const com::Guid *iid, void **object);
using DllCanUnloadNowFunction = com::HResult (*)();
}
