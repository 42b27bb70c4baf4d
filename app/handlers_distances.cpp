// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmprincipal.h"

#include "convert/distances/distances.h"

void frmPrincipal::cmdMedidas1_Click() {
    run(convert::distances::shortDistance);
}

// txtMedidas4 is read only so that the conversion can write it.
void frmPrincipal::cmdMedidas2_Click() {
    run(convert::distances::longDistance);
}
