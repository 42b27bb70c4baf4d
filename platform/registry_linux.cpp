// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Systems without a registry: a stand-in that knows one key, the place of the system-information
// tool, and answers its "PATH" value with the first such tool found on the search path.
#ifndef _WIN32

#include "platform/registry.h"

#include <QByteArray>
#include <QStandardPaths>
#include <QString>
#include <algorithm>
#include <cstring>

namespace platform {
namespace {

constexpr std::string_view sysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view sysInfoValue = "PATH";

// Desktop tools that show the machine's hardware and system, best first.
constexpr const char* sysInfoTools[] = {"kinfocenter", "hardinfo2", "hardinfo",
                                        "gnome-system-monitor"};

constexpr Registry::Key sysInfoHandle = 1;

// Key and value names compare as on Windows: ASCII letters without regard to case.
bool sameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

class StandInRegistry final : public Registry {
public:
    long openKey(RegistryRoot root, std::string_view path, std::uint32_t access,
                 Key& key) override {
        if (root != localMachine || !sameName(path, sysInfoKey))
            return statusNotFound;
        if (access & keyWriteRights) // read only, like the machine's keys for a standard user
            return statusAccessDenied;
        key = sysInfoHandle;
        return statusSuccess;
    }

    long queryValue(Key key, std::string_view name, std::uint32_t& type, std::byte* buffer,
                    std::uint32_t& size) override {
        if (key != sysInfoHandle || !sameName(name, sysInfoValue))
            return statusNotFound;
        QByteArray path;
        for (const char* tool : sysInfoTools) {
            path = QStandardPaths::findExecutable(QString::fromLatin1(tool)).toUtf8();
            if (!path.isEmpty())
                break;
        }
        if (path.isEmpty())
            return statusNotFound;
        path.append('\0'); // stored as a string value normally is, with its terminating NUL
        if (static_cast<std::size_t>(path.size()) > size) {
            size = static_cast<std::uint32_t>(path.size());
            return statusMoreData;
        }
        std::memcpy(buffer, path.constData(), static_cast<std::size_t>(path.size()));
        size = static_cast<std::uint32_t>(path.size());
        type = typeString;
        return statusSuccess;
    }

    void closeKey(Key) override {}
};

} // namespace

Registry& systemRegistry() {
    static StandInRegistry registry;
    return registry;
}

} // namespace platform

#endif
