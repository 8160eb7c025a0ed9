#pragma once
// The real registry of Windows, through advapi32. Built only for Windows.

#include "Registry.h"

namespace platform {

class WindowsRegistry : public Registry {
public:
    std::int32_t OpenKey(RegistryHandle root, const char *subKey, std::uint32_t options,
                         std::uint32_t access, RegistryHandle &key) override;
    std::int32_t QueryValue(RegistryHandle key, const char *valueName, std::uint32_t &type,
                            unsigned char *data, std::uint32_t &size) override;
    std::int32_t CloseKey(RegistryHandle key) override;
};

} // namespace platform
