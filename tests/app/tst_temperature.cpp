// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The temperatures page through its real widgets: each scale converts and refreshes the dew
// point, its range warning goes through the window's message seam, and the humidity slider moved
// with the keyboard rewrites the three read-out labels.
#include "helpers/window_test.h"

#include <QLabel>
#include <QSignalSpy>
#include <QSlider>

namespace {

const QString freezing = QStringLiteral("Temperatura por debajo del punto de congelación");
const QString dew = QStringLiteral("Formación de rocío");

QString warning(const char* text) {
    return QStringLiteral("Valor fuera de rango | %1 | warning").arg(QString::fromUtf8(text));
}

} // namespace

class TemperaturePage : public QObject {
    Q_OBJECT

private slots:
    void conversions_data() {
        apptest::conversionColumns();
        const QStringList old{"txtCelsius=old", "txtFahrenheit=old", "txtKelvin=old"};
        QTest::newRow("Celsius below absolute zero")
            << numtext::fullStopLocale << old << "txtCelsius"
            << "-300"
            << QStringList{"txtCelsius=0.0",  "txtKelvin=273.15",   "txtFahrenheit=32.0",
                           "labHumedad=50 %", "labRocio=-9.296º C", "labAvisoRocio=" + freezing}
            << QStringList{warning("Solo valores mayores a -273.15º C")};
        QTest::newRow("Fahrenheit below absolute zero, comma")
            << numtext::commaLocale << old << "txtFahrenheit"
            << "-500"
            << QStringList{"txtCelsius=-17,778", "txtKelvin=255,372", "txtFahrenheit=0,0",
                           "labRocio=-25,746º C", "labAvisoRocio=" + freezing}
            << QStringList{warning("Solo valores mayores a -459.67º F")};
        QTest::newRow("Kelvin below absolute zero")
            << numtext::fullStopLocale << old << "txtKelvin"
            << "-1"
            << QStringList{"txtCelsius=-273.15", "txtKelvin=0.0", "txtFahrenheit=-459.67",
                           "labRocio=-262.042º C", "labAvisoRocio=" + freezing}
            << QStringList{warning("Solo valores mayores a 0º K")};
        QTest::newRow("Fahrenheit, comma")
            << numtext::commaLocale << old << "txtFahrenheit"
            << "212"
            << QStringList{"txtCelsius=100,0", "txtKelvin=373,15", "txtFahrenheit=212,0",
                           "labRocio=83,235º C", "labAvisoRocio=" + dew}
            << QStringList{};
        // 1E308 Celsius fits a double, its Fahrenheit does not: the conversion stops there and
        // leaves the dew point as it was.
        QTest::newRow("Fahrenheit beyond the double range")
            << numtext::fullStopLocale << old << "txtCelsius"
            << "1E308" << QStringList{"txtFahrenheit=old", "labRocio=-", "labAvisoRocio="}
            << QStringList{
                   warning("El resultado queda fuera del rango de valores representables.")};
    }
    void conversions() { apptest::runConversion(); }

    void sliderKeys_data() {
        QTest::addColumn<numtext::NumberLocale>("locale");
        QTest::newRow("full stop") << numtext::fullStopLocale;
        QTest::newRow("comma") << numtext::commaLocale;
    }

    // A slider move converts an empty Celsius field once, as if 0 had been typed; that
    // conversion refreshes the read-out once more, nested, and converts no further. Every key
    // then rewrites the read-out, also one that meets the end of the track.
    void sliderKeys() {
        QFETCH(numtext::NumberLocale, locale);
        const auto loc = [&](QString text) {
            return text.replace('.', QString::fromStdString(locale.decimal));
        };
        apptest::Window window(locale);
        QSlider* slider = window->sldHumedad;
        apptest::focusOn(slider);
        QTest::keyClick(slider, Qt::Key_Left); // the move back to 50 % is the one watched
        for (QLineEdit* field : {window->txtCelsius, window->txtFahrenheit, window->txtKelvin})
            field->clear();
        QSignalSpy kelvinWrites(window->txtKelvin, &QLineEdit::textChanged);
        // Each conversion writes Kelvin, then Fahrenheit, which empties Kelvin again unseen.
        const auto counting = connect(window->txtFahrenheit, &QLineEdit::textChanged, this, [&] {
            const QSignalBlocker quiet(window->txtKelvin);
            window->txtKelvin->clear();
        });
        QTest::keyClick(slider, Qt::Key_Right);
        disconnect(counting);
        QCOMPARE(kelvinWrites.count(), 1);
        QCOMPARE(window.texts({"txtCelsius", "labHumedad", "labRocio"}),
                 QStringList({loc("0.0"), "50 %", loc("-9.296º C")}));

        apptest::typeAndEnter(window->txtCelsius, "25");
        const std::pair<Qt::Key, QStringList> moves[] = {
            {Qt::Key_PageUp, {"60 %", "16.680º C", dew}},
            {Qt::Key_Home, {"0 %", "-109.500º C", freezing}},
            {Qt::Key_End, {"100 %", "25.000º C", dew}},
            {Qt::Key_End, {"100 %", "25.000º C", dew}},
        };
        for (const auto& [key, readOut] : moves) {
            for (QLabel* label : {window->labHumedad, window->labRocio, window->labAvisoRocio})
                label->clear();
            apptest::focusOn(slider);
            QTest::keyClick(slider, key);
            QCOMPARE(window.texts({"labHumedad", "labRocio", "labAvisoRocio"}),
                     QStringList({readOut[0], loc(readOut[1]), readOut[2]}));
        }
        QVERIFY(window.messages.isEmpty());
    }
};

QTEST_MAIN(TemperaturePage)
#include "tst_temperature.moc"
