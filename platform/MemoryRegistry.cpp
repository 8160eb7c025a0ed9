#include "MemoryRegistry.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace platform {

namespace {

bool IsPredefinedRoot(RegistryHandle root)
{
    return root == kHKeyClassesRoot || root == kHKeyCurrentUser || root == kHKeyLocalMachine
           || root == kHKeyUsers;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

} // namespace

std::string MemoryRegistry::Fold(RegistryHandle root, const std::string &key)
{
    return std::to_string(static_cast<std::uint32_t>(root)) + '\\' + Lower(key);
}

MemoryRegistry::Key &MemoryRegistry::MakeKey(RegistryHandle root, const std::string &key)
{
    return keys_[Fold(root, key)];
}

std::int32_t MemoryRegistry::OpenKey(RegistryHandle root, const char *subKey, std::uint32_t,
                                     std::uint32_t access, RegistryHandle &key)
{
    const std::string path = subKey ? subKey : "";
    openRequests_.push_back(path);
    accessRequests_.push_back(access);
    if (!IsPredefinedRoot(root))
        return kErrorInvalidHandle;
    const std::string folded = Fold(root, path);
    const auto found = keys_.find(folded);
    if (found == keys_.end() && !path.empty())
        return kErrorFileNotFound;
    if (found != keys_.end() && (found->second.refusedRights & access) != 0)
        return kErrorAccessDenied;
    key = nextHandle_++;
    open_.emplace(key, folded);
    return kErrorSuccess;
}

std::int32_t MemoryRegistry::QueryValue(RegistryHandle key, const char *valueName, std::uint32_t &type,
                                        unsigned char *data, std::uint32_t &size)
{
    const auto open = open_.find(key);
    if (open == open_.end())
        return kErrorInvalidHandle;
    const auto found = keys_.find(open->second);
    if (found == keys_.end())
        return kErrorFileNotFound;
    const auto value = found->second.values.find(Lower(valueName ? valueName : ""));
    if (value == found->second.values.end())
        return kErrorFileNotFound;

    const auto needed = static_cast<std::uint32_t>(value->second.data.size());
    type = value->second.type;
    if (data && size < needed) {
        size = needed;
        return kErrorMoreData;
    }
    if (data && needed > 0)
        std::memcpy(data, value->second.data.data(), needed);
    size = needed;
    return kErrorSuccess;
}

std::int32_t MemoryRegistry::CloseKey(RegistryHandle key)
{
    return open_.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
}

void MemoryRegistry::SetValue(RegistryHandle root, const std::string &key, const std::string &name,
                              std::uint32_t type, std::vector<unsigned char> data)
{
    MakeKey(root, key).values[Lower(name)] = Value{type, std::move(data)};
}

void MemoryRegistry::SetString(RegistryHandle root, const std::string &key, const std::string &name,
                               const std::string &text, bool terminated)
{
    std::vector<unsigned char> data(text.begin(), text.end());
    if (terminated)
        data.push_back(0);
    SetValue(root, key, name, kRegSz, std::move(data));
}

void MemoryRegistry::SetDword(RegistryHandle root, const std::string &key, const std::string &name,
                              std::uint32_t value)
{
    SetValue(root, key, name, kRegDword,
             {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
              static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)});
}

void MemoryRegistry::RefuseRights(RegistryHandle root, const std::string &key, std::uint32_t rights)
{
    MakeKey(root, key).refusedRights |= rights;
}

} // namespace platform
