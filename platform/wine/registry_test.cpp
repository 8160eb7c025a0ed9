// Writes values into the Windows registry and reads them back through
// WindowsRegistry and GetKeyValue; checks the file test on real files.
// Built with the mingw-w64 cross compiler and run under wine.

#include "FileTest.h"
#include "GetKeyValue.h"
#include "WindowsRegistry.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace platform;

namespace {

int passed = 0;
int failed = 0;

void Check(bool ok, const std::string &what)
{
    if (ok) {
        ++passed;
        std::printf("PASS   %s\n", what.c_str());
    } else {
        ++failed;
        std::printf("FAIL!  %s\n", what.c_str());
    }
}

const char *const kTestKey = "SOFTWARE\\Sorvani Test";

bool Write(const char *key, const char *name, DWORD type, const void *data, DWORD size)
{
    HKEY opened = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr)
        != ERROR_SUCCESS)
        return false;
    const LONG status = RegSetValueExA(opened, name, 0, type, static_cast<const BYTE *>(data), size);
    RegCloseKey(opened);
    return status == ERROR_SUCCESS;
}

bool WriteText(const char *name, const std::string &text, bool terminated)
{
    if (terminated)
        return Write(kTestKey, name, REG_SZ, text.c_str(), DWORD(text.size() + 1));
    // RegSetValueExA counts a terminating character that follows the data
    // even when the size leaves it out; keep something else there.
    const std::string padded = text + 'X';
    return Write(kTestKey, name, REG_SZ, padded.c_str(), DWORD(text.size()));
}

struct Read {
    bool ok = false;
    bool threw = false;
    std::string text;
};

Read ReadValue(const char *key, const char *name, const std::string &before = {})
{
    WindowsRegistry registry;
    Read read;
    read.text = before;
    try {
        read.ok = GetKeyValue(registry, kHKeyLocalMachine, key, name, read.text);
    } catch (const KeyValueFailure &) {
        read.threw = true;
    }
    return read;
}

// The data size RegQueryValueExA reports for a value, or 0 when it cannot be read.
std::uint32_t RawSize(const char *name)
{
    WindowsRegistry registry;
    RegistryHandle key = 0;
    if (registry.OpenKey(kHKeyLocalMachine, kTestKey, 0, kKeyRead, key) != kErrorSuccess)
        return 0;
    std::vector<unsigned char> buffer(kKeyValueBufferSize);
    std::uint32_t type = kRegNone;
    std::uint32_t size = kKeyValueBufferSize;
    const std::int32_t status = registry.QueryValue(key, name, type, buffer.data(), size);
    registry.CloseKey(key);
    return status == kErrorSuccess ? size : 0;
}

std::string Show(const Read &read)
{
    return std::string(read.threw ? "threw" : read.ok ? "true" : "false") + ", \"" + read.text + "\"";
}

void Expect(const char *what, const Read &read, bool ok, const std::string &text)
{
    Check(!read.threw && read.ok == ok && read.text == text,
          std::string(what) + ": " + Show(read) + " (want " + (ok ? "true" : "false") + ", \"" + text + "\")");
}

bool WriteFileAt(const std::string &path)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    WriteFile(file, "MZ", 2, &written, nullptr);
    CloseHandle(file);
    return true;
}

} // namespace

int main()
{
    Check(kHKeyLocalMachine == reinterpret_cast<RegistryHandle>(HKEY_LOCAL_MACHINE),
          "HKEY_LOCAL_MACHINE has the value of the Windows headers");

    const std::string program = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo\\msinfo32.exe";
    const std::string folder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
    const std::string large(1500, 'x');
    const DWORD small = 261;
    const DWORD big = 16777216;
    const bool written = WriteText("Terminated", program, true) && WriteText("Unterminated", program, false)
                         && Write(kTestKey, "Small", REG_DWORD, &small, sizeof small)
                         && Write(kTestKey, "Big", REG_DWORD, &big, sizeof big)
                         && WriteText("Large", large, true) && Write(kTestKey, "Empty", REG_SZ, "", 0)
                         && Write(kTestKey, "Binary", REG_BINARY, "\x01\x02", 2)
                         && Write("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", REG_SZ,
                                  program.c_str(), DWORD(program.size() + 1))
                         && Write("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", REG_SZ,
                                  folder.c_str(), DWORD(folder.size() + 1));
    Check(written, "values written with RegSetValueExA");

    // Both ways of storing a text really reach GetKeyValue.
    Check(RawSize("Terminated") == program.size() + 1, "stored with its terminating character: "
                                                          + std::to_string(RawSize("Terminated")) + " bytes");
    Check(RawSize("Unterminated") == program.size(), "stored without it: "
                                                         + std::to_string(RawSize("Unterminated")) + " bytes");
    Expect("string with its terminating character", ReadValue(kTestKey, "Terminated"), true, program);
    Expect("string without its terminating character", ReadValue(kTestKey, "Unterminated"), true, program);
    Expect("number 261", ReadValue(kTestKey, "Small"), true, "&h000105");
    Expect("number 16777216", ReadValue(kTestKey, "Big"), true, "&h01000000");
    Expect("value over 1024 bytes", ReadValue(kTestKey, "Large", "before"), false, "");
    Expect("missing value", ReadValue(kTestKey, "Nothing", "before"), false, "");
    Expect("missing key", ReadValue("SOFTWARE\\Sorvani Test\\Nothing", "PATH", "before"), false, "");
    Expect("binary value keeps the text", ReadValue(kTestKey, "Binary", "before"), true, "before");
    Expect("the tool's path", ReadValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH"), true, program);
    Expect("the tool's folder", ReadValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO"), true, folder);
    const Read empty = ReadValue(kTestKey, "Empty", "before");
    Check(empty.threw && empty.text == "before", "value of size 0 is a failure for the caller: " + Show(empty));

    // The file test on real files and folders.
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string base = std::string(temp) + "sorvani-file-test";
    CreateDirectoryA(base.c_str(), nullptr);
    const std::string plain = base + "\\MSINFO32.EXE";
    const std::string hidden = base + "\\hidden.exe";
    const std::string system = base + "\\system.exe";
    const bool made = WriteFileAt(plain) && WriteFileAt(hidden) && WriteFileAt(system)
                      && SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN)
                      && SetFileAttributesA(system.c_str(), FILE_ATTRIBUTE_SYSTEM);
    Check(made, "files made");
    Check(OrdinaryFileExists(plain), "ordinary file exists");
    Check(!OrdinaryFileExists(base), "a folder is not a file");
    Check(!OrdinaryFileExists(hidden), "a hidden file does not count");
    Check(!OrdinaryFileExists(system), "a system file does not count");
    Check(!OrdinaryFileExists(base + "\\missing.exe"), "a missing file does not exist");
    Check(!OrdinaryFileExists("\\MSINFO32.EXE"), "the tool's name alone is not found");

    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 && passed > 0 ? 0 : 1;
}
