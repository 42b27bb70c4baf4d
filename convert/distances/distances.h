// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The two length converters of the distances page.
#pragma once

#include "convert/conversion.h"

#include <array>
#include <string_view>

namespace convert::distances {

// Each row: the source, its unit, the target unit, the result.
inline constexpr std::array<std::string_view, 4> shortFields{"txtMedidas1", "comMedidas1",
                                                             "comMedidas2", "txtMedidas2"};
inline constexpr std::array<std::string_view, 4> longFields{"txtMedidas3", "comMedidas3",
                                                            "comMedidas4", "txtMedidas4"};
// The result, in the target unit.
inline constexpr Result shortResult[] = {{shortFields[3], {}, shortFields[2]}};
inline constexpr Result longResult[] = {{longFields[3], {}, longFields[2]}};

// Everyday lengths: writes the source and the result, both through display masks.
void convertShortDistance(Form& form);

// Long and astronomical lengths: writes the result as general number text. The source is only
// ever reset to "0".
void convertLongDistance(Form& form);

inline constexpr Conversion shortDistance{"ShortDistance", shortFields, convertShortDistance,
                                          shortResult};
inline constexpr Conversion longDistance{"LongDistance", longFields, convertLongDistance,
                                         longResult};

} // namespace convert::distances
