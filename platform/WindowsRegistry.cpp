#include "WindowsRegistry.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace platform {

static_assert(kErrorSuccess == ERROR_SUCCESS && kErrorFileNotFound == ERROR_FILE_NOT_FOUND
              && kErrorAccessDenied == ERROR_ACCESS_DENIED && kErrorInvalidHandle == ERROR_INVALID_HANDLE
              && kErrorMoreData == ERROR_MORE_DATA);
static_assert(kRegSz == REG_SZ && kRegDword == REG_DWORD && kRegBinary == REG_BINARY
              && kRegExpandSz == REG_EXPAND_SZ && kRegNone == REG_NONE);
static_assert(kKeyRead == KEY_READ && kKeyReadWrite == (KEY_ALL_ACCESS & ~(DELETE | WRITE_DAC | WRITE_OWNER)));

namespace {

HKEY Handle(RegistryHandle key)
{
    return reinterpret_cast<HKEY>(key);
}

} // namespace

// A handle travels as an integer of the pointer's width, so predefined roots
// and opened keys both survive the round trip.
static_assert(sizeof(RegistryHandle) == sizeof(HKEY));

std::int32_t WindowsRegistry::OpenKey(RegistryHandle root, const char *subKey, std::uint32_t options,
                                      std::uint32_t access, RegistryHandle &key)
{
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(Handle(root), subKey, options, access, &opened);
    if (status == ERROR_SUCCESS)
        key = reinterpret_cast<RegistryHandle>(opened);
    return status;
}

std::int32_t WindowsRegistry::QueryValue(RegistryHandle key, const char *valueName, std::uint32_t &type,
                                         unsigned char *data, std::uint32_t &size)
{
    DWORD valueType = REG_NONE;
    DWORD valueSize = size;
    const LONG status = RegQueryValueExA(Handle(key), valueName, nullptr, &valueType, data, &valueSize);
    type = valueType;
    size = valueSize;
    return status;
}

std::int32_t WindowsRegistry::CloseKey(RegistryHandle key)
{
    return RegCloseKey(Handle(key));
}

} // namespace platform
