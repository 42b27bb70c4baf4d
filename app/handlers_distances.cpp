// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmprincipal.h"

#include "convert/distances/distances.h"

void frmPrincipal::cmdMedidas1_Click() {
    auto form = readForm({"txtMedidas1", "comMedidas1", "comMedidas2", "txtMedidas2"});
    convert::distances::convertShortDistance(form);
    applyOutcome(form.outcome());
}

void frmPrincipal::cmdMedidas2_Click() {
    // txtMedidas4 is read only so that the conversion can write it.
    auto form = readForm({"txtMedidas3", "comMedidas3", "comMedidas4", "txtMedidas4"});
    convert::distances::convertLongDistance(form);
    applyOutcome(form.outcome());
}
