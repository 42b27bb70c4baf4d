// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows registry, read through the wide-character functions. Names go in as UTF-16 and
// string values come back as UTF-8, so no text passes through the ANSI code page.
#ifdef _WIN32

#include "platform/registry.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <QByteArray>
#include <QString>
#include <cstring>
#include <string>
#include <vector>

namespace platform {
namespace {

// The predefined keys are 32-bit values sign-extended to a handle, as windows.h defines them.
HKEY rootHandle(RegistryRoot root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

HKEY keyHandle(Registry::Key key) {
    return reinterpret_cast<HKEY>(key);
}

std::wstring wide(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toStdWString();
}

bool isText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

class WindowsRegistry final : public Registry {
public:
    long openKey(RegistryRoot root, std::string_view path, std::uint32_t access,
                 Key& key) override {
        HKEY opened = nullptr;
        const LSTATUS status =
            RegOpenKeyExW(rootHandle(root), wide(path).c_str(), 0, access, &opened);
        if (status == ERROR_SUCCESS)
            key = reinterpret_cast<Key>(opened);
        return status;
    }

    long queryValue(Key key, std::string_view name, std::uint32_t& type, std::byte* buffer,
                    std::uint32_t& size) override {
        // A text that fits the caller's buffer as UTF-8 has at most that many UTF-16 units, so
        // twice the capacity holds every value that can fit once converted.
        std::vector<BYTE> raw(static_cast<std::size_t>(size) * 2);
        DWORD rawType = 0;
        DWORD rawSize = static_cast<DWORD>(raw.size());
        const LSTATUS status = RegQueryValueExW(keyHandle(key), wide(name).c_str(), nullptr,
                                                &rawType, raw.data(), &rawSize);
        if (status != ERROR_SUCCESS)
            return status;

        // A terminating wide NUL becomes one NUL byte, so the caller sees whether the value had
        // one, exactly as with single-byte text.
        const QByteArray value =
            isText(rawType)
                ? QString::fromUtf16(reinterpret_cast<const char16_t*>(raw.data()), rawSize / 2)
                      .toUtf8()
                : QByteArray(reinterpret_cast<const char*>(raw.data()),
                             static_cast<qsizetype>(rawSize));
        if (static_cast<std::size_t>(value.size()) > size) {
            size = static_cast<std::uint32_t>(value.size());
            return ERROR_MORE_DATA;
        }
        std::memcpy(buffer, value.constData(), static_cast<std::size_t>(value.size()));
        size = static_cast<std::uint32_t>(value.size());
        type = rawType;
        return ERROR_SUCCESS;
    }

    void closeKey(Key key) override { RegCloseKey(keyHandle(key)); }
};

} // namespace

Registry& systemRegistry() {
    static WindowsRegistry registry;
    return registry;
}

} // namespace platform

#endif
