#pragma once
// Whether an ordinary file exists at a full path: not a folder, not hidden,
// not a system file. The path is in the system's 8-bit code page. Plain C++
// so the Windows side can be built and run under wine.

#include <string>

namespace platform {

bool OrdinaryFileExists(const std::string &path);

} // namespace platform
