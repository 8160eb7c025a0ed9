#pragma once
// A registry held in memory, for systems without one and for tests. It
// behaves as the Windows registry does for the three operations: names are
// compared without regard to ASCII case, data larger than the caller's
// buffer is refused with kErrorMoreData, and a key can refuse some rights
// as HKEY_LOCAL_MACHINE refuses write rights to an ordinary user.

#include "Registry.h"

#include <map>
#include <string>
#include <vector>

namespace platform {

class MemoryRegistry : public Registry {
public:
    std::int32_t OpenKey(RegistryHandle root, const char *subKey, std::uint32_t options,
                         std::uint32_t access, RegistryHandle &key) override;
    std::int32_t QueryValue(RegistryHandle key, const char *valueName, std::uint32_t &type,
                            unsigned char *data, std::uint32_t &size) override;
    std::int32_t CloseKey(RegistryHandle key) override;

    // Creates the key if needed and stores the value with exactly these bytes.
    void SetValue(RegistryHandle root, const std::string &key, const std::string &name,
                  std::uint32_t type, std::vector<unsigned char> data);
    // A text value, stored with its terminating character of code 0 unless told otherwise.
    void SetString(RegistryHandle root, const std::string &key, const std::string &name,
                   const std::string &text, bool terminated = true);
    // A 32-bit number, little-endian as Windows stores it.
    void SetDword(RegistryHandle root, const std::string &key, const std::string &name,
                  std::uint32_t value);
    // Opening the key and asking for any of these rights fails with kErrorAccessDenied.
    void RefuseRights(RegistryHandle root, const std::string &key, std::uint32_t rights);

    // Handles opened and not yet closed.
    int OpenHandles() const { return static_cast<int>(open_.size()); }
    // Every key an open was asked for, in order, whether it succeeded or not.
    const std::vector<std::string> &OpenRequests() const { return openRequests_; }
    // The access mask of every open asked for, in order.
    const std::vector<std::uint32_t> &AccessRequests() const { return accessRequests_; }

private:
    struct Value {
        std::uint32_t type = kRegNone;
        std::vector<unsigned char> data;
    };
    struct Key {
        std::map<std::string, Value> values; // by lower-case name
        std::uint32_t refusedRights = 0;
    };

    Key &MakeKey(RegistryHandle root, const std::string &key);
    static std::string Fold(RegistryHandle root, const std::string &key);

    std::map<std::string, Key> keys_;               // by folded root and path
    std::map<RegistryHandle, std::string> open_;    // handle -> folded key
    RegistryHandle nextHandle_ = 0x1000;
    std::vector<std::string> openRequests_;
    std::vector<std::uint32_t> accessRequests_;
};

} // namespace platform
