// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmprincipal.h"

#include "convert/temperature/dewpoint.h"
#include "convert/temperature/temperature.h"

#include <QSlider>

namespace {

void convertTemperature(frmPrincipal& window, void (*conversion)(convert::Form&)) {
    auto form = window.readForm({"txtCelsius", "txtFahrenheit", "txtKelvin"});
    conversion(form);
    window.applyOutcome(form.outcome());
    // A conversion that stopped on a fault leaves the dew point as it was.
    if (!form.faulted())
        window.sldHumedad_Scroll();
}

} // namespace

void frmPrincipal::cmdCelsius_Click() {
    convertTemperature(*this, convert::temperature::fromCelsius);
}

void frmPrincipal::cmdFahrenheit_Click() {
    convertTemperature(*this, convert::temperature::fromFahrenheit);
}

void frmPrincipal::cmdKelvin_Click() {
    convertTemperature(*this, convert::temperature::fromKelvin);
}

// Runs on every move of the slider and at the end of every temperature conversion.
void frmPrincipal::sldHumedad_Scroll() {
    // The position the user moved to; outside a drag it is the slider's value.
    const int humidity = sldHumedad->sliderPosition();

    auto humidityForm = readForm({"labHumedad"});
    convert::temperature::showHumidity(humidityForm, humidity);
    applyOutcome(humidityForm.outcome());

    // An empty or non-numeric temperature is converted first, as if the user had typed 0. That
    // conversion writes a number into the field before it runs this refresh once more, nested,
    // so the nested run never converts again: one level deep at most.
    if (!readForm({"txtCelsius"}).isNumber("txtCelsius"))
        cmdCelsius_Click();

    auto form = readForm({"txtCelsius", "labRocio", "labAvisoRocio"});
    convert::temperature::showDewPoint(form, humidity);
    applyOutcome(form.outcome());
}
