// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmprincipal.h"

#include "convert/temperature/dewpoint.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

// Gives a field the focus and runs its focus handler. The handler also runs from the focus-in
// event when the field did not have the focus; running it twice changes nothing.
void frmPrincipal::giveFocus(QLineEdit* field) {
    field->setFocus(Qt::OtherFocusReason);
    if (const auto it = focusHandlers_.find(field); it != focusHandlers_.end())
        (this->*(it->second))();
}

void frmPrincipal::copyField(QLineEdit* field) {
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    clipboard->setText(field->text());
    giveFocus(field);
}

void frmPrincipal::pasteField(QLineEdit* field) {
    // Plain text only: a clipboard holding a picture and no text pastes the empty text.
    field->setText(QApplication::clipboard()->text());
    giveFocus(field);
}

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

void frmPrincipal::cmdLimpiar_Click() {
    labRocio->setText(QStringLiteral("-"));
    labAvisoRocio->setText(QStringLiteral("-"));
    // The read-out follows the slider, which Clear does not move.
    run(convert::temperature::humidityReadOut);
    for (QLineEdit* field :
         {txtCelsius, txtFahrenheit, txtGrados1, txtGrados2, txtGrados3, txtGrados4, txtHoras1,
          txtHoras2, txtHoras3, txtHoras4, txtKelvin, txtMedidas1, txtMedidas2, txtMedidas3,
          txtMedidas4, txtMinutos1, txtMinutos2, txtSegundos1, txtSegundos2})
        field->setText(QString());
}

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
