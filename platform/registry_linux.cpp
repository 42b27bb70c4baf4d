// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Systems without a registry: the stand-in that holds the values the program gives it.
#ifndef _WIN32

#include "platform/registry.h"

#include <algorithm>
#include <cstring>

namespace platform {
namespace {

// Key and value names compare as on Windows: ASCII letters without regard to case.
bool sameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

// A key's handle is one more than the place of its first value.
long StandInRegistry::openKey(RegistryRoot root, std::string_view path, std::uint32_t access,
                              Key& key) {
    const auto value =
        std::ranges::find_if(values_, [&](const Value& held) { return sameName(held.key, path); });
    if (root != localMachine || value == values_.end())
        return statusNotFound;
    if (access & keyWriteRights) // read only, like the machine's keys for a standard user
        return statusAccessDenied;
    key = static_cast<Key>(value - values_.begin()) + 1;
    return statusSuccess;
}

long StandInRegistry::queryValue(Key key, std::string_view name, std::uint32_t& type,
                                 std::byte* buffer, std::uint32_t& size) {
    if (key == 0 || key > values_.size())
        return statusNotFound;
    const std::string_view path = values_[key - 1].key;
    const auto value = std::ranges::find_if(values_, [&](const Value& held) {
        return sameName(held.key, path) && sameName(held.name, name);
    });
    if (value == values_.end())
        return statusNotFound;
    std::string text = value->text();
    if (text.empty())
        return statusNotFound;
    text += '\0'; // stored as a string value normally is, with its terminating NUL
    if (text.size() > size) {
        size = static_cast<std::uint32_t>(text.size());
        return statusMoreData;
    }
    std::memcpy(buffer, text.data(), text.size());
    size = static_cast<std::uint32_t>(text.size());
    type = typeString;
    return statusSuccess;
}

} // namespace platform

#endif
