// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/sysinfo.h"

#include "platform/system.h"

#include <array>
#include <cstdint>
#include <exception>

namespace about {
namespace {

constexpr std::string_view toolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view toolValue = "PATH";
constexpr std::string_view folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr std::string_view folderValue = "MSINFO";
constexpr std::string_view toolFile = "\\MSINFO32.EXE";

#ifdef _WIN32
// The tool is where its installer wrote it down, in the machine's registry.
platform::Registry& toolRegistry() {
    return platform::systemRegistry();
}
#else
// Linux and other systems without a registry have no such tool: the desktop's own viewers of the
// machine's hardware and system stand in for it, best first. The first found on the search path,
// looked for at each click, is given as the value the tool key holds on Windows, so the search, its
// start and its message are the same on both.
constexpr std::string_view desktopTools[] = {"kinfocenter", "hardinfo2", "hardinfo",
                                             "gnome-system-monitor"};

std::string desktopTool() {
    for (const std::string_view tool : desktopTools)
        if (std::string path = platform::findProgram(tool); !path.empty())
            return path;
    return {};
}

platform::Registry& toolRegistry() {
    static platform::StandInRegistry registry({{toolKey, toolValue, desktopTool}});
    return registry;
}
#endif

// Gives an open key back however the reading ends.
class KeyGuard {
public:
    KeyGuard(platform::Registry& registry, platform::Registry::Key key)
        : registry_(registry), key_(key) {}
    ~KeyGuard() { registry_.closeKey(key_); }
    KeyGuard(const KeyGuard&) = delete;
    KeyGuard& operator=(const KeyGuard&) = delete;

private:
    platform::Registry& registry_;
    platform::Registry::Key key_;
};

// "&h" and the bytes from the last to the first, two hexadecimal digits each, so that every
// byte keeps its place (with one digit for small bytes, 01 00 and 10 would give the same text).
std::string numberValueText(std::string_view bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text = "&h";
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        const auto value = static_cast<unsigned char>(*byte);
        text += digits[value >> 4];
        text += digits[value & 0x0F];
    }
    return text; // no number text of ours reads hexadecimal: it stays as built
}

} // namespace

SysInfoServices systemServices() {
    return {&toolRegistry(), platform::isPlainFile, platform::startProgram, {}};
}

convert::Message sysInfoUnavailable() {
    return {.text = "La información del sistema no está disponible en este momento"};
}

bool GetKeyValue(platform::Registry& registry, platform::RegistryRoot KeyRoot,
                 std::string_view KeyName, std::string_view SubKeyRef, std::string& KeyVal) {
    // Reading asks for read access only: below HKEY_LOCAL_MACHINE a standard user is refused
    // anything more, and the value would then look missing.
    platform::Registry::Key key{};
    if (registry.openKey(KeyRoot, KeyName, platform::keyRead, key) != platform::statusSuccess) {
        KeyVal.clear();
        return false;
    }
    const KeyGuard guard(registry, key);

    std::array<std::byte, valueBufferSize> buffer{};
    auto size = static_cast<std::uint32_t>(buffer.size());
    std::uint32_t type = 0;
    // A size beyond the buffer is not believed, whatever the status says.
    if (registry.queryValue(key, SubKeyRef, type, buffer.data(), size) != platform::statusSuccess ||
        size > buffer.size()) {
        KeyVal.clear();
        return false;
    }
    if (size == 0)
        throw EmptyRegistryValue();

    std::string_view text(reinterpret_cast<const char*>(buffer.data()), size);
    if (text.back() == '\0')
        text.remove_suffix(1);
    switch (type) {
    case platform::typeString:
        KeyVal = text;
        break;
    case platform::typeNumber:
        KeyVal = numberValueText(text);
        break;
    default: // read, but of no type we turn into text: the caller's text stays
        break;
    }
    return true;
}

void StartSysInfo(const SysInfoServices& services) {
    try {
        std::string path;
        auto& registry = *services.registry;
        if (GetKeyValue(registry, platform::localMachine, toolKey, toolValue, path)) {
            // The value names the tool's file itself; a path that leads nowhere fails to start.
            if (services.startProgram(path))
                return;
        } else if (GetKeyValue(registry, platform::localMachine, folderKey, folderValue, path)) {
            path += toolFile;
            if (services.fileExists(path) && services.startProgram(path))
                return;
        }
    } catch (const std::exception&) {
        // Any failure on the way ends as the one message below.
    }
    services.showMessage(sysInfoUnavailable());
}

} // namespace about
