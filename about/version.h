// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace about {

struct Version {
    int major;
    int minor;
    int revision;
};

// The program's version, as the build defines it.
Version programVersion();

} // namespace about
