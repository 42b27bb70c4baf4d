// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader says in the main window: the names and descriptions of its controls, and
// the results of a conversion once it is done.
#include "app/frmprincipal.h"

#include "app/screen_reader.h"
#include "convert/angles/decadec.h"
#include "convert/angles/degrees.h"
#include "convert/angles/hours.h"
#include "convert/distances/distances.h"
#include "convert/temperature/dewpoint.h"
#include "convert/temperature/temperature.h"
#include "convert/units.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <algorithm>
#include <string>

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
    const auto tie = [](QLabel* caption, QWidget* described) { caption->setBuddy(described); };
    tie(w.labCelcius, w.txtCelsius);
    tie(w.labFahrenheit, w.txtFahrenheit);
    tie(w.labKelvin, w.txtKelvin);
    tie(w.labHumedad1, w.sldHumedad);
    tie(w.labRocio1, w.labRocio);
    // The unit marks of the first page ("h", "º", "'", ...) are tied the same way and then take
    // the name of their field, which says more than the mark.
    const auto mark = [&](QLabel* caption, QWidget* described) {
        tie(caption, described);
        caption->setAccessibleName(described->accessibleName());
    };
    mark(w.labHoras1, w.txtHoras1);
    mark(w.labMinutos2, w.txtMinutos2);
    mark(w.labSegundos2, w.txtSegundos2);
    mark(w.labGrados1, w.txtGrados1);
    mark(w.labMinutos1, w.txtMinutos1);
    mark(w.labSegundos1, w.txtSegundos1);
    mark(w.labGrados2, w.txtGrados2);
}

namespace {

namespace angles = convert::angles;
namespace distances = convert::distances;
namespace temperature = convert::temperature;
namespace units = convert::units;

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A unit as it is said after a value, whether a conversion names it or the user picked it in a
// list: a sign stands for its unit's name; a name is said in lower case, as in running text,
// except a scale's, which is a person's.
QString unitWord(std::string_view unit) {
    const std::string_view name = units::nameOf(unit);
    const QString word = qText(name);
    return std::ranges::find(units::scales, name) != units::scales.end() ? word : word.toLower();
}

// The results of a conversion as they are said, in the texts the window shows: each value
// followed by its unit, if it has one, one after another.
QString said(const frmPrincipal& w, const convert::Conversion& conversion) {
    QStringList results;
    for (const convert::Result& result : conversion.results) {
        const std::string unit = result.unitList.empty()
                                     ? std::string(result.unit)
                                     : w.controlText(qText(result.unitList)).toStdString();
        QString text = w.controlText(qText(result.field));
        if (!unit.empty())
            text += QLatin1Char(' ') + unitWord(unit);
        results << text;
    }
    return results.join(QStringLiteral(", "));
}

} // namespace

QString frmPrincipal::spokenResults(const QObject* source) const {
    // What each conversion button asks for, and the slider; a temperature conversion is followed
    // by the dew point (convertTemperature), which is said after its own results.
    const struct {
        const QObject* source;
        const convert::Conversion& conversion;
        bool thenDewPoint = false;
    } asked[] = {
        {cmdGradosSexADec, angles::gradosSexADec},
        {cmdGradosDecASexa, angles::gradosDecASexa},
        {cmdHorasSexADec, angles::horasSexADec},
        {cmdHorasDecASex, angles::horasDecASex},
        {cmdDecADec1, angles::decADec1},
        {cmdDecADec2, angles::decADec2},
        {cmdMedidas1, distances::shortDistance},
        {cmdMedidas2, distances::longDistance},
        {cmdCelsius, temperature::celsiusConversion, true},
        {cmdFahrenheit, temperature::fahrenheitConversion, true},
        {cmdKelvin, temperature::kelvinConversion, true},
        {sldHumedad, temperature::dewPoint},
    };
    for (const auto& row : asked) {
        if (row.source != source)
            continue;
        QString text = said(*this, row.conversion);
        if (row.thenDewPoint)
            text += QStringLiteral(", punto de rocío ") + said(*this, temperature::dewPoint);
        return text;
    }
    return {};
}

void frmPrincipal::announceResults(const QObject* source) {
    announcer_->say(spokenResults(source));
}
