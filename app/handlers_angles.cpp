#include "app/frmprincipal.h"

#include "convert/angles/degrees.h"

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

// The hour row and the unit change are not wired yet.
void frmPrincipal::cmdHorasSexADec_Click() {}
void frmPrincipal::cmdHorasDecASex_Click() {}
void frmPrincipal::cmdDecADec1_Click() {}
void frmPrincipal::cmdDecADec2_Click() {}
