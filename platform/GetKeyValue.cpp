#include "GetKeyValue.h"

namespace platform {

namespace {

// Closes the key on every way out, the failure of a size of 0 included.
class OpenedKey {
public:
    OpenedKey(Registry &registry, RegistryHandle key) : registry_(registry), key_(key) {}
    ~OpenedKey() { registry_.CloseKey(key_); }
    OpenedKey(const OpenedKey &) = delete;
    OpenedKey &operator=(const OpenedKey &) = delete;

private:
    Registry &registry_;
    RegistryHandle key_;
};

// Keeps the data of the buffer: the last byte of the data is dropped when it
// is the terminating character.
std::string CutToData(const std::string &buffer, std::uint32_t size)
{
    if (size == 0 || size > buffer.size())
        throw KeyValueFailure("registry value of size " + std::to_string(size));
    if (buffer[size - 1] == '\0')
        return buffer.substr(0, size - 1);
    return buffer.substr(0, size);
}

// "&h" and two upper-case hexadecimal digits per byte, from the last byte to
// the first: a little-endian number comes out most significant byte first.
std::string NumberText(const std::string &data)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string digits;
    for (auto c = data.rbegin(); c != data.rend(); ++c) {
        const auto code = static_cast<unsigned char>(*c);
        digits += kDigits[code >> 4];
        digits += kDigits[code & 0x0F];
    }
    // The final formatting leaves the text as it is.
    return "&h" + digits;
}

} // namespace

bool GetKeyValue(Registry &registry, RegistryHandle KeyRoot, const std::string &KeyName,
                 const std::string &SubKeyRef, std::string &KeyVal)
{
    RegistryHandle hKey = 0;
    // Read rights only: asking for write rights fails for everyone but administrators.
    if (registry.OpenKey(KeyRoot, KeyName.c_str(), 0, kKeyRead, hKey) != kErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    const OpenedKey closer(registry, hKey);

    std::string tmpVal(kKeyValueBufferSize, '\0');
    std::uint32_t KeyValSize = kKeyValueBufferSize;
    std::uint32_t KeyValType = kRegNone;
    if (registry.QueryValue(hKey, SubKeyRef.c_str(), KeyValType,
                            reinterpret_cast<unsigned char *>(tmpVal.data()), KeyValSize)
        != kErrorSuccess) {
        KeyVal.clear();
        return false;
    }

    tmpVal = CutToData(tmpVal, KeyValSize);
    switch (KeyValType) {
    case kRegSz:
        KeyVal = tmpVal;
        break;
    case kRegDword:
        KeyVal = NumberText(tmpVal);
        break;
    default:
        break; // KeyVal keeps what it had
    }
    return true;
}

} // namespace platform
