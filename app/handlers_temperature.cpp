// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmprincipal.h"

#include "convert/temperature/dewpoint.h"
#include "convert/temperature/temperature.h"

#include <QLineEdit>

namespace temperature = convert::temperature;

// A temperature conversion ends with the dew point, unless it stopped on a fault: then the dew
// point stays as it was.
void frmPrincipal::convertTemperature(const convert::Conversion& conversion) {
    if (!run(conversion).fault)
        sldHumedad_Scroll();
}

void frmPrincipal::cmdCelsius_Click() {
    convertTemperature(temperature::celsiusConversion);
}

void frmPrincipal::cmdFahrenheit_Click() {
    convertTemperature(temperature::fahrenheitConversion);
}

void frmPrincipal::cmdKelvin_Click() {
    convertTemperature(temperature::kelvinConversion);
}

// Runs on every move of the slider and at the end of every temperature conversion.
void frmPrincipal::sldHumedad_Scroll() {
    run(temperature::humidityReadOut);
    // An empty or non-numeric temperature is converted first, as if the user had typed 0. That
    // conversion writes a number into the field before it runs this refresh once more, nested,
    // so the nested run never converts again: one level deep at most.
    if (!numtext::isNumber(txtCelsius->text().toStdString(), locale_))
        cmdCelsius_Click();
    run(temperature::dewPoint);
}
