// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Read-only access to the system registry, in the shape of the Windows calls: open a key, query
// one value into a caller's buffer, close the key.
//
// Names and string values travel as UTF-8. On Windows the real registry is read through the
// wide-character functions, so a path outside the ANSI code page arrives intact. Other systems
// have no registry: StandInRegistry holds the values the program gives it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// The 32-bit handle values of the predefined root keys.
using RegistryRoot = std::uint32_t;
inline constexpr RegistryRoot localMachine = 0x80000002; // HKEY_LOCAL_MACHINE

// Access masks for opening a key.
inline constexpr std::uint32_t keyRead = 0x20019; // KEY_READ
// Every right that changes a key; a standard user is refused these below HKEY_LOCAL_MACHINE.
inline constexpr std::uint32_t keyWriteRights =
    0x0002 | 0x0004 | 0x0020 | 0x00010000 | 0x00040000 | 0x00080000;

// Value types.
inline constexpr std::uint32_t typeString = 1; // REG_SZ
inline constexpr std::uint32_t typeNumber = 4; // REG_DWORD, a 32-bit little-endian number

// Status codes, as the Windows calls return them.
inline constexpr long statusSuccess = 0;
inline constexpr long statusNotFound = 2;     // ERROR_FILE_NOT_FOUND
inline constexpr long statusAccessDenied = 5; // ERROR_ACCESS_DENIED
inline constexpr long statusMoreData = 234;   // ERROR_MORE_DATA

class Registry {
public:
    using Key = std::uintptr_t;

    virtual ~Registry() = default;

    // Opens the key at `path` below `root` with the given access. On statusSuccess `key` holds
    // a handle that must be given back with closeKey.
    virtual long openKey(RegistryRoot root, std::string_view path, std::uint32_t access,
                         Key& key) = 0;

    // Reads the value `name` of an open key into `buffer`, whose capacity in bytes `size` gives
    // on entry. On statusSuccess `type` holds the value's type and `size` its byte count (a
    // string's terminating NUL included when it has one); a value longer than the buffer gives
    // statusMoreData. String values are handed back as UTF-8.
    virtual long queryValue(Key key, std::string_view name, std::uint32_t& type, std::byte* buffer,
                            std::uint32_t& size) = 0;

    virtual void closeKey(Key key) = 0;
};

#ifdef _WIN32
// The registry of this system. Lives as long as the program.
Registry& systemRegistry();
#else
// A registry held by the program: string values below HKEY_LOCAL_MACHINE, read only, as the
// machine's keys are for a standard user. Key and value names compare as on Windows, ASCII letters
// without regard to case. Each value is a function asked for its text whenever the value is read,
// stored with its terminating NUL; an empty text is a missing value.
class StandInRegistry final : public Registry {
public:
    struct Value {
        std::string_view key;
        std::string_view name;
        std::function<std::string()> text;
    };
    explicit StandInRegistry(std::vector<Value> values) : values_(std::move(values)) {}

    long openKey(RegistryRoot root, std::string_view path, std::uint32_t access, Key& key) override;
    long queryValue(Key key, std::string_view name, std::uint32_t& type, std::byte* buffer,
                    std::uint32_t& size) override;
    void closeKey(Key) override {}

private:
    std::vector<Value> values_;
};
#endif

} // namespace platform
