// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmprincipal.h"

#include "convert/angles/decadec.h"
#include "convert/angles/degrees.h"
#include "convert/angles/hours.h"

void frmPrincipal::cmdGradosSexADec_Click() {
    auto form = readForm({"txtGrados1", "txtMinutos1", "txtSegundos1", "txtGrados2"});
    convert::angles::GradosSexADec(form);
    applyOutcome(form.outcome());
}

void frmPrincipal::cmdGradosDecASexa_Click() {
    auto form = readForm({"txtGrados1", "txtMinutos1", "txtSegundos1", "txtGrados2"});
    convert::angles::GradosDecASexa(form);
    applyOutcome(form.outcome());
}

void frmPrincipal::cmdHorasSexADec_Click() {
    auto form = readForm({"txtHoras1", "txtMinutos2", "txtSegundos2", "comGrados3", "txtHoras2"});
    convert::angles::HorasSexADec(form);
    applyOutcome(form.outcome());
}

void frmPrincipal::cmdHorasDecASex_Click() {
    auto form = readForm({"comGrados3", "txtHoras2", "txtHoras1", "txtMinutos2", "txtSegundos2"});
    convert::angles::HorasDecASex(form);
    applyOutcome(form.outcome());
}

void frmPrincipal::cmdDecADec1_Click() {
    auto form = readForm({"txtGrados3", "comGrados1", "comGrados2", "txtGrados4"});
    convert::angles::DecADec(form, convert::angles::degreeUnitChange);
    applyOutcome(form.outcome());
}

void frmPrincipal::cmdDecADec2_Click() {
    auto form = readForm({"txtHoras3", "comHoras1", "comHoras2", "txtHoras4"});
    convert::angles::DecADec(form, convert::angles::hourUnitChange);
    applyOutcome(form.outcome());
}
