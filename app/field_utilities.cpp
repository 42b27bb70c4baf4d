#include "app/frmprincipal.h"

#include <QTabWidget>

void frmPrincipal::copyField(QLineEdit*) {}
void frmPrincipal::pasteField(QLineEdit*) {}
void frmPrincipal::cmdCopiar1_Click() {
    copyField(txtGrados2);
}
void frmPrincipal::cmdCopiar2_Click() {
    copyField(txtHoras2);
}
void frmPrincipal::cmsCopiar3_Click() {
    copyField(txtMedidas4);
}
void frmPrincipal::cmdPegar1_Click() {
    pasteField(txtGrados2);
}
void frmPrincipal::cmdPegar2_Click() {
    pasteField(txtHoras2);
}
void frmPrincipal::cmdPegar3_Click() {
    pasteField(txtMedidas3);
}
void frmPrincipal::cmdLimpiar_Click() {}

void frmPrincipal::mnuHoras_Click() {
    tabFichas->setCurrentIndex(0);
}
void frmPrincipal::mnuDistancias_Click() {
    tabFichas->setCurrentIndex(1);
}
void frmPrincipal::mnuTemperatura_Click() {
    tabFichas->setCurrentIndex(2);
}

void frmPrincipal::mnuSalir_Click() {
    close();
}
void frmPrincipal::cmdSalir_Click() {
    close();
}
