#pragma once
// What the About window asks of the operating system besides its windows:
// the registry, the file test and the start of a program. Tests hand the
// window their own.

#include "MemoryRegistry.h"
#include "Registry.h"

#include <QStringList>

#include <functional>
#include <string>

namespace platform {

struct PlatformServices {
    Registry *registry = nullptr;
    // Full path in the system's 8-bit code page.
    std::function<bool(const std::string &path)> fileExists;
    // Starts the program at the full path, detached; false when it cannot be started.
    std::function<bool(const std::string &path)> startProgram;
};

// The system's registry, file test and program start.
PlatformServices DesktopPlatform();

// The registry of this system: the real one on Windows, elsewhere a stand-in
// filled once by FillStandInRegistry from the program search path.
Registry &SystemRegistry();

// The desktop's system-information programs, in order of preference.
inline const QStringList kSystemInfoPrograms{QStringLiteral("hardinfo"), QStringLiteral("kinfocenter")};

// Records the first of kSystemInfoPrograms found in searchPaths (the
// program search path when empty) as the tool's full path, where the About
// window looks first. Nothing is recorded when none is found.
void FillStandInRegistry(MemoryRegistry &registry, const QStringList &searchPaths = {});

// Starts the program at the full path, detached, without a shell and without
// arguments. False when it cannot be started.
bool StartProgram(const std::string &path);

} // namespace platform
