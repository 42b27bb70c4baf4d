// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and starting the system's information tool, as the About window's button does.
//
// Everything the search touches comes in through SysInfoServices, so tests can give it a
// registry held in memory and record what would be started or shown.
#pragma once

#include "convert/message.h"
#include "platform/registry.h"

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace about {

// The buffer every registry value is read into; a longer value counts as missing.
inline constexpr std::size_t valueBufferSize = 1024;

// Raised by GetKeyValue for a value with no bytes at all; StartSysInfo answers it like any other
// failure.
class EmptyRegistryValue : public std::runtime_error {
public:
    EmptyRegistryValue() : std::runtime_error("registry value without bytes") {}
};

struct SysInfoServices {
    platform::Registry* registry = nullptr;
    std::function<bool(const std::string& path)> fileExists;
    std::function<bool(const std::string& path)> startProgram;
    std::function<void(const convert::Message&)> showMessage;
};

// The system's registry, file test and program start; on systems without a registry, a stand-in
// that names the desktop's own system-information viewer (see sysinfo.cpp). The message sink is
// left empty for the window to fill with its own box.
SysInfoServices systemServices();

// Reads the value `SubKeyRef` of the key `KeyName` below `KeyRoot` into `KeyVal`. True when the
// value was read: a string sets KeyVal to its text, a 32-bit number to "&h" and its bytes in
// hexadecimal, most significant first; a value of any other type leaves KeyVal as it was. False,
// with KeyVal empty, when the key or the value is missing, unreadable or longer than the buffer.
// Throws EmptyRegistryValue for a value of size 0. The key is closed on every path.
bool GetKeyValue(platform::Registry& registry, platform::RegistryRoot KeyRoot,
                 std::string_view KeyName, std::string_view SubKeyRef, std::string& KeyVal);

// Starts the system-information tool named by the registry, or tells the user it is not
// available.
void StartSysInfo(const SysInfoServices& services);

// The message shown when the tool cannot be found or started.
convert::Message sysInfoUnavailable();

} // namespace about
