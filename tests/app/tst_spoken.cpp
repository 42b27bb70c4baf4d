// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told once a conversion the user asked for is done: the results of its
// row as the fields show them, through one notification, with the focus left where it was.
#include "helpers/window_test.h"

#include "app/screen_reader.h"

#include <QAccessible>
#include <QSlider>

namespace {

// What the window's announcer says, and what a screen reader reads of it.
struct Listener {
    explicit Listener(frmPrincipal& window) : announcer(window.findChild<Announcer*>()) {
        QObject::connect(announcer, &Announcer::said, [this](const QString& text) {
            auto* spoken = QAccessible::queryAccessibleInterface(announcer);
            QCOMPARE(spoken->role(), QAccessible::Notification);
            heard << spoken->text(QAccessible::Name);
            QCOMPARE(heard.last(), text);
        });
    }
    Announcer* announcer;
    QStringList heard;
};

} // namespace

class SpokenTest : public QObject {
    Q_OBJECT

private slots:
    // Each row: the texts given ("name=text"), the field Enter is pressed in (or the slider, moved
    // one step by the keyboard), and what is heard, with "." for the decimal separator.
    void resultsAreSpoken_data() {
        QTest::addColumn<numtext::NumberLocale>("locale");
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QString>("where");
        QTest::addColumn<QString>("spoken");
        const struct {
            const char* given;
            const char* where;
            const char* spoken;
        } rows[] = {
            {"txtGrados1=10 txtMinutos1=30 txtSegundos1=36", "txtSegundos1", "10.51 grados"},
            {"txtGrados2=123.456", "txtGrados2", "123 grados, 27 minutos, 21.60 segundos"},
            {"txtHoras1=1 txtMinutos2=30", "txtHoras1", "22.50 grados"},
            {"txtHoras2=12.5 comGrados3=h", "txtHoras2", "12 horas, 30 minutos, 0.00 segundos"},
            {"txtGrados3=1.5", "txtGrados3", "90.00 minutos"},
            {"txtHoras3=2", "txtHoras3", "120.00 minutos"},
            {"txtMedidas1=100", "txtMedidas2", "39.37008 pulgadas"},
            {"txtMedidas3=1", "txtMedidas3", "6.6845871226706E-09 unidades astronómicas"},
            {"txtCelsius=20", "txtCelsius",
             "68.0 Fahrenheit, 293.15 Kelvin, punto de rocío 9.211º C, Formación de rocío"},
            {"txtFahrenheit=212", "txtFahrenheit",
             "100.0 Celsius, 373.15 Kelvin, punto de rocío 83.235º C, Formación de rocío"},
            {"txtKelvin=200", "txtKelvin",
             "-73.15 Celsius, -99.67 Fahrenheit, punto de rocío -76.982º C, Temperatura por debajo "
             "del punto de congelación"},
            {"txtCelsius=20", "sldHumedad", "9.506º C, Formación de rocío"},
        };
        const std::pair<const char*, numtext::NumberLocale> locales[] = {
            {"full stop", numtext::fullStopLocale}, {"comma", numtext::commaLocale}};
        for (const auto& [name, locale] : locales)
            for (const auto& row : rows)
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(row.where, name)))
                    << locale << apptest::names(row.given) << QString::fromLatin1(row.where)
                    << QString::fromUtf8(row.spoken);
    }

    void resultsAreSpoken() {
        QFETCH(numtext::NumberLocale, locale);
        QFETCH(QStringList, given);
        QFETCH(QString, where);
        QFETCH(QString, spoken);
        const auto local = [&](QString text) {
            return text.replace('.', QString::fromStdString(locale.decimal));
        };
        apptest::Window window(locale);
        for (const QString& control : given) {
            const QString name = control.section('=', 0, 0), text = control.section('=', 1);
            if (auto* list = window.get<QComboBox>(name))
                list->setCurrentIndex(list->findText(text));
            else
                window.setControlText(name, local(text));
        }
        auto* control = window.get<QWidget>(where);
        apptest::focusOn(control);
        Listener listener(window);
        QStringList& heard = listener.heard;
        QTest::keyClick(control, qobject_cast<QSlider*>(control) ? Qt::Key_Right : Qt::Key_Return);
        QCOMPARE(heard, QStringList{local(spoken)});
        QCOMPARE(QApplication::focusWidget(), control);
    }

    // A handler that another one runs (the dew point after a temperature, the Celsius conversion
    // from the dew point) adds nothing of its own; neither do Limpiar or a change of page.
    void oneNotificationAConversion() {
        apptest::Window window;
        Listener listener(window);
        window.cmdLimpiar->click();
        window.mnuTemperatura->trigger();
        apptest::focusOn(window.sldHumedad);
        QTest::keyClick(window.sldHumedad, Qt::Key_Left); // an empty Celsius is converted first
        QCOMPARE(listener.heard.size(), 1);
        QCOMPARE(window.txtCelsius->text(), QStringLiteral("0.0"));
    }
};

QTEST_MAIN(SpokenTest)
#include "tst_spoken.moc"
