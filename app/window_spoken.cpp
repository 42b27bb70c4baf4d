// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says in the main window: the names and descriptions of its controls, and
// the results of a conversion once it is done.
#include "app/frmprincipal.h"

#include "app/screen_reader.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <span>

namespace {

// What a screen reader says for each control, in Spanish: a name for every control whose text
// does not say what it is (the arrows, the pictures, the fields, the unit lists and what value
// each one qualifies), and a description where the name alone leaves the purpose open. Labels
// that show a result keep their text as their name, so the reader speaks the value; their
// description says what the value is.
struct Spoken {
    QWidget* control;
    const char* name;
    const char* description;
};

void describe(std::initializer_list<Spoken> controls) {
    for (const Spoken& spoken : controls) {
        if (spoken.name)
            spoken.control->setAccessibleName(QString::fromUtf8(spoken.name));
        if (spoken.description)
            spoken.control->setAccessibleDescription(QString::fromUtf8(spoken.description));
        // A unit list and its edit part both go by the list's name; the text is the value.
        if (auto* list = qobject_cast<QComboBox*>(spoken.control))
            list->lineEdit()->setAccessibleName(QString::fromUtf8(spoken.name));
    }
}

} // namespace

void frmPrincipal::describeForScreenReaders() {
    frmPrincipal& w = *this;
    describe({
        {w.tabFichas, "Páginas de conversiones", "Horas y Grados, Distancias, Temperaturas"},
        {w.cmdLimpiar, "Limpiar", "Vacía todos los campos"},
        {w.cmdSalir, "Salir", "Cierra el programa"},
        {w.StatusBar, "Barra de estado", nullptr},
        // Hours, sexagesimal and decimal.
        {w.txtHoras1, "Horas", "Horas sexagesimales"},
        {w.txtMinutos2, "Minutos", "Minutos de las horas sexagesimales"},
        {w.txtSegundos2, "Segundos", "Segundos de las horas sexagesimales"},
        {w.cmdHorasDecASex, "Horas: decimal a sexagesimal",
         "Pasa el valor decimal a horas, minutos y segundos"},
        {w.cmdHorasSexADec, "Horas: sexagesimal a decimal",
         "Pasa las horas, minutos y segundos a un valor decimal"},
        {w.txtHoras2, "Horas decimales", "En horas o en grados, según la unidad de al lado"},
        {w.comGrados3, "Unidad de las horas decimales",
         "Unidad de las horas decimales: h, horas; º, grados, a 15 por hora"},
        {w.cmdCopiar2, "Copiar horas decimales", nullptr},
        {w.cmdPegar2, "Pegar horas decimales", nullptr},
        // Degrees, sexagesimal and decimal.
        {w.txtGrados1, "Grados", "Grados sexagesimales"},
        {w.txtMinutos1, "Minutos de arco", nullptr},
        {w.txtSegundos1, "Segundos de arco", nullptr},
        {w.cmdGradosDecASexa, "Grados: decimal a sexagesimal",
         "Pasa los grados decimales a grados, minutos y segundos"},
        {w.cmdGradosSexADec, "Grados: sexagesimal a decimal",
         "Pasa los grados, minutos y segundos a grados decimales"},
        {w.txtGrados2, "Grados decimales", nullptr},
        {w.cmdCopiar1, "Copiar grados decimales", nullptr},
        {w.cmdPegar1, "Pegar grados decimales", nullptr},
        // Unit changes.
        {w.txtGrados3, "Ángulo a convertir", nullptr},
        {w.comGrados1, "Unidad del ángulo a convertir", nullptr},
        {w.cmdDecADec1, "Convertir el ángulo", "Lo expresa en la unidad de destino"},
        {w.txtGrados4, "Ángulo convertido", nullptr},
        {w.comGrados2, "Unidad del ángulo convertido", nullptr},
        {w.txtHoras3, "Tiempo a convertir", nullptr},
        {w.comHoras1, "Unidad del tiempo a convertir", nullptr},
        {w.cmdDecADec2, "Convertir el tiempo", "Lo expresa en la unidad de destino"},
        {w.txtHoras4, "Tiempo convertido", nullptr},
        {w.comHoras2, "Unidad del tiempo convertido", nullptr},
        // Distances.
        {w.txtMedidas1, "Distancia corta a convertir", nullptr},
        {w.comMedidas1, "Unidad de la distancia corta a convertir", nullptr},
        {w.cmdMedidas1, "Convertir la distancia corta", nullptr},
        {w.txtMedidas2, "Distancia corta convertida", nullptr},
        {w.comMedidas2, "Unidad de la distancia corta convertida", nullptr},
        {w.txtMedidas3, "Distancia larga a convertir", nullptr},
        {w.comMedidas3, "Unidad de la distancia larga a convertir", nullptr},
        {w.cmdMedidas2, "Convertir la distancia larga", nullptr},
        {w.cmdPegar3, "Pegar distancia larga a convertir", nullptr},
        {w.txtMedidas4, "Distancia larga convertida", nullptr},
        {w.comMedidas4, "Unidad de la distancia larga convertida", nullptr},
        {w.cmsCopiar3, "Copiar distancia larga convertida", nullptr},
        // Temperatures and dew point.
        {w.txtCelsius, "Grados Celsius", nullptr},
        {w.cmdCelsius, "Convertir desde Celsius", "Calcula Fahrenheit, Kelvin y el punto de rocío"},
        {w.txtFahrenheit, "Grados Fahrenheit", nullptr},
        {w.cmdFahrenheit, "Convertir desde Fahrenheit",
         "Calcula Celsius, Kelvin y el punto de rocío"},
        {w.txtKelvin, "Kelvin", nullptr},
        {w.cmdKelvin, "Convertir desde Kelvin", "Calcula Celsius, Fahrenheit y el punto de rocío"},
        {w.sldHumedad, "Humedad relativa", "En tanto por ciento"},
        {w.labHumedad, nullptr, "Humedad relativa elegida"},
        {w.labRocio, nullptr, "Punto de rocío, en grados Celsius"},
        {w.labAvisoRocio, nullptr, "Aviso sobre el punto de rocío"},
    });
    for (int page = 0; page < w.tabFichas->count(); ++page)
        w.tabFichas->widget(page)->setAccessibleName(
            QString(w.tabFichas->tabText(page)).remove(QLatin1Char('&')));

    // Captions tie themselves to what they describe: the reader announces the field with its
    // caption, and the read-out with its own.
    const std::pair<QLabel*, QWidget*> captions[] = {
        {w.labHoras1, w.txtHoras1},         {w.labMinutos2, w.txtMinutos2},
        {w.labSegundos2, w.txtSegundos2},   {w.labGrados1, w.txtGrados1},
        {w.labMinutos1, w.txtMinutos1},     {w.labSegundos1, w.txtSegundos1},
        {w.labGrados2, w.txtGrados2},       {w.labCelcius, w.txtCelsius},
        {w.labFahrenheit, w.txtFahrenheit}, {w.labKelvin, w.txtKelvin},
        {w.labHumedad1, w.sldHumedad},      {w.labRocio1, w.labRocio},
    };
    for (const auto& [caption, described] : captions)
        caption->setBuddy(described);
    // A screen reader names a field by its caption once they are tied; the unit marks of the first
    // page then take the name of their field, which says more than the mark.
    for (const auto& [caption, described] : std::span(captions).first(7))
        caption->setAccessibleName(described->accessibleName());
}

namespace {

// A result as it is spoken: its text, followed by its unit when one is given.
QString withUnit(const QString& text, const QString& unit) {
    return unit.isEmpty() ? text : text + QLatin1Char(' ') + unit;
}

// A unit list's text as a word to speak after a value: the unit names in lower case; the
// signs of the hours row's list as the words they stand for.
QString unitWord(const QComboBox* list) {
    const QString text = list->currentText();
    if (text == QStringLiteral("h"))
        return QStringLiteral("horas");
    if (text == QStringLiteral("º"))
        return QStringLiteral("grados");
    return text.toLower();
}

} // namespace

QString frmPrincipal::spokenResults(const QObject* source) const {
    const QString dewPoint = labRocio->text() + QStringLiteral(", ") + labAvisoRocio->text();
    const auto temperatures = [&](QLineEdit* first, const char* firstScale, QLineEdit* second,
                                  const char* secondScale) {
        return withUnit(first->text(), QString::fromUtf8(firstScale)) + QStringLiteral(", ") +
               withUnit(second->text(), QString::fromUtf8(secondScale)) +
               QStringLiteral(", punto de rocío ") + dewPoint;
    };
    const auto sexagesimal = [](QLineEdit* whole, const char* unit, QLineEdit* minutes,
                                QLineEdit* seconds) {
        return withUnit(whole->text(), QString::fromUtf8(unit)) + QStringLiteral(", ") +
               withUnit(minutes->text(), QStringLiteral("minutos")) + QStringLiteral(", ") +
               withUnit(seconds->text(), QStringLiteral("segundos"));
    };
    if (source == cmdGradosSexADec)
        return withUnit(txtGrados2->text(), QStringLiteral("grados"));
    if (source == cmdGradosDecASexa)
        return sexagesimal(txtGrados1, "grados", txtMinutos1, txtSegundos1);
    if (source == cmdHorasSexADec)
        return withUnit(txtHoras2->text(), unitWord(comGrados3));
    if (source == cmdHorasDecASex)
        return sexagesimal(txtHoras1, "horas", txtMinutos2, txtSegundos2);
    if (source == cmdDecADec1)
        return withUnit(txtGrados4->text(), unitWord(comGrados2));
    if (source == cmdDecADec2)
        return withUnit(txtHoras4->text(), unitWord(comHoras2));
    if (source == cmdMedidas1)
        return withUnit(txtMedidas2->text(), unitWord(comMedidas2));
    if (source == cmdMedidas2)
        return withUnit(txtMedidas4->text(), unitWord(comMedidas4));
    if (source == cmdCelsius)
        return temperatures(txtFahrenheit, "Fahrenheit", txtKelvin, "Kelvin");
    if (source == cmdFahrenheit)
        return temperatures(txtCelsius, "Celsius", txtKelvin, "Kelvin");
    if (source == cmdKelvin)
        return temperatures(txtCelsius, "Celsius", txtFahrenheit, "Fahrenheit");
    if (source == sldHumedad)
        return dewPoint;
    return {};
}

void frmPrincipal::announceResults(const QObject* source) {
    announcer_->say(spokenResults(source));
}
