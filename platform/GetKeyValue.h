#pragma once
// Reads one registry value as text, for the About window. Plain C++ so the
// same code runs against the real Windows registry.

#include "Registry.h"

#include <stdexcept>
#include <string>

namespace platform {

// The size of the buffer a value is read into; larger values cannot be read.
inline constexpr std::uint32_t kKeyValueBufferSize = 1024;

// A value the buffer cannot be cut to (a size of 0): GetKeyValue ends
// without a result and leaves the failure to its caller.
class KeyValueFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Opens KeyName under KeyRoot for reading and reads SubKeyRef into KeyVal.
// Texts come back as their bytes, without the terminating character; a
// number as "&h" and its hexadecimal bytes, most significant first; any
// other type leaves KeyVal as it was and still counts as read. Returns
// false, with KeyVal empty, when the key cannot be opened or the value
// cannot be read (missing, or over kKeyValueBufferSize bytes).
// Throws KeyValueFailure for a value of size 0.
bool GetKeyValue(Registry &registry, RegistryHandle KeyRoot, const std::string &KeyName,
                 const std::string &SubKeyRef, std::string &KeyVal);

} // namespace platform
