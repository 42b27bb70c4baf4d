// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/version.h"

namespace about {

Version programVersion() {
    return {TARABEL_VERSION_MAJOR, TARABEL_VERSION_MINOR, TARABEL_VERSION_PATCH};
}

} // namespace about
