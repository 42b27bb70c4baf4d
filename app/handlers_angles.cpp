// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmprincipal.h"

#include "convert/angles/decadec.h"
#include "convert/angles/degrees.h"
#include "convert/angles/hours.h"

void frmPrincipal::cmdGradosSexADec_Click() {
    run(convert::angles::gradosSexADec);
}

void frmPrincipal::cmdGradosDecASexa_Click() {
    run(convert::angles::gradosDecASexa);
}

void frmPrincipal::cmdHorasSexADec_Click() {
    run(convert::angles::horasSexADec);
}

void frmPrincipal::cmdHorasDecASex_Click() {
    run(convert::angles::horasDecASex);
}

void frmPrincipal::cmdDecADec1_Click() {
    run(convert::angles::decADec1);
}

void frmPrincipal::cmdDecADec2_Click() {
    run(convert::angles::decADec2);
}
