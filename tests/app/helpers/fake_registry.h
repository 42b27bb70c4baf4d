// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// A registry held in memory: keys below HKEY_LOCAL_MACHINE, readable but never writable, as a
// standard user sees them. It knows which keys are still open.
#pragma once

#include "platform/registry.h"

#include <QByteArray>
#include <cstring>
#include <map>
#include <string>

namespace apptest {

class FakeRegistry final : public platform::Registry {
public:
    std::map<std::string, std::map<std::string, std::pair<std::uint32_t, QByteArray>>> keys;
    std::map<Key, std::string> open; // handles given out and not yet closed

    long openKey(platform::RegistryRoot root, std::string_view path, std::uint32_t access,
                 Key& key) override {
        if (root != platform::localMachine || !keys.contains(std::string(path)))
            return platform::statusNotFound;
        if (access & platform::keyWriteRights)
            return platform::statusAccessDenied;
        open[key = next_++] = path;
        return platform::statusSuccess;
    }

    // A handle that is not open throws, which the search reports as a failure.
    long queryValue(Key key, std::string_view name, std::uint32_t& type, std::byte* buffer,
                    std::uint32_t& size) override {
        const auto& values = keys.at(open.at(key));
        const auto value = values.find(std::string(name));
        if (value == values.end())
            return platform::statusNotFound;
        const auto& [valueType, bytes] = value->second;
        const bool fits = std::uint32_t(bytes.size()) <= size;
        size = std::uint32_t(bytes.size());
        if (!fits)
            return platform::statusMoreData;
        std::memcpy(buffer, bytes.constData(), size);
        type = valueType;
        return platform::statusSuccess;
    }

    void closeKey(Key key) override { open.erase(key); }

private:
    Key next_ = 100;
};

} // namespace apptest
