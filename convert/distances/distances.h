// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The two length converters of the distances page.
#pragma once

#include "convert/form.h"

namespace convert::distances {

// Everyday lengths: reads txtMedidas1 (source), comMedidas1 and comMedidas2 (units) and
// txtMedidas2 (result); writes txtMedidas1 and txtMedidas2, both through display masks.
void convertShortDistance(Form& form);

// Long and astronomical lengths: reads txtMedidas3 (source), comMedidas3 and comMedidas4
// (units); writes txtMedidas4 as general number text. The source is only ever reset to "0".
void convertLongDistance(Form& form);

} // namespace convert::distances
