#pragma once
// The three registry operations the About window needs, with the Windows
// status codes, value types and rights. Plain C++: the Windows side is built
// with a cross compiler that has no Qt.

#include <cstdint>

namespace platform {

// An opened key or a predefined root. Predefined roots are 32-bit values,
// sign-extended the way the Windows headers widen them to a pointer.
using RegistryHandle = std::uintptr_t;

constexpr RegistryHandle PredefinedRoot(std::uint32_t value)
{
    return static_cast<RegistryHandle>(static_cast<std::intptr_t>(static_cast<std::int32_t>(value)));
}

inline constexpr RegistryHandle kHKeyClassesRoot = PredefinedRoot(0x80000000u);
inline constexpr RegistryHandle kHKeyCurrentUser = PredefinedRoot(0x80000001u);
inline constexpr RegistryHandle kHKeyLocalMachine = PredefinedRoot(0x80000002u);
inline constexpr RegistryHandle kHKeyUsers = PredefinedRoot(0x80000003u);

// Status codes.
inline constexpr std::int32_t kErrorSuccess = 0;
inline constexpr std::int32_t kErrorFileNotFound = 2;
inline constexpr std::int32_t kErrorAccessDenied = 5;
inline constexpr std::int32_t kErrorInvalidHandle = 6;
inline constexpr std::int32_t kErrorMoreData = 234;

// Value types.
inline constexpr std::uint32_t kRegNone = 0;
inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegBinary = 3;
inline constexpr std::uint32_t kRegDword = 4;

// Access rights.
inline constexpr std::uint32_t kKeyQueryValue = 0x0001;
inline constexpr std::uint32_t kKeySetValue = 0x0002;
inline constexpr std::uint32_t kKeyCreateSubKey = 0x0004;
inline constexpr std::uint32_t kKeyEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t kKeyNotify = 0x0010;
inline constexpr std::uint32_t kKeyCreateLink = 0x0020;
inline constexpr std::uint32_t kReadControl = 0x00020000;
inline constexpr std::uint32_t kKeyRead = kReadControl | kKeyQueryValue | kKeyEnumerateSubKeys | kKeyNotify;
// Read and write rights together: what only administrators get on HKEY_LOCAL_MACHINE.
inline constexpr std::uint32_t kKeyReadWrite = 0x2003F;

class Registry {
public:
    virtual ~Registry() = default;

    // As RegOpenKeyExA: opens subKey under root; on success key receives the handle.
    virtual std::int32_t OpenKey(RegistryHandle root, const char *subKey, std::uint32_t options,
                                 std::uint32_t access, RegistryHandle &key) = 0;
    // As RegQueryValueExA: size holds the buffer's size on entry and the data's size on
    // return; data larger than the buffer gives kErrorMoreData. data may be null to ask
    // for the size alone.
    virtual std::int32_t QueryValue(RegistryHandle key, const char *valueName, std::uint32_t &type,
                                    unsigned char *data, std::uint32_t &size) = 0;
    // As RegCloseKey.
    virtual std::int32_t CloseKey(RegistryHandle key) = 0;
};

} // namespace platform
