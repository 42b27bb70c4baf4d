// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Angles between degrees, minutes and seconds of arc and decimal degrees.
#pragma once

#include "convert/form.h"

namespace convert::angles {

// Reads and writes txtGrados1, txtMinutos1, txtSegundos1 (sexagesimal) and txtGrados2 (decimal).
void GradosSexADec(Form& form);
void GradosDecASexa(Form& form);

} // namespace convert::angles
