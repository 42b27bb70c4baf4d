// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The pages through their real widgets: a conversion of each kind in four locales and what a
// screen reader hears of it, the range warning and the floating-point fault through the window's
// message seam, a real message box without one, a mistaken conversion, the slider's keys; and the
// services around them: select-on-focus and the button Enter presses, copy and paste, Limpiar.
#include "helpers/window_test.h"

#include "app/qtlocale.h"
#include "app/screen_reader.h"

#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSlider>

namespace {

// A table text in the locale's forms, as Qt writes them: its digits, its decimal sign, and its
// minus sign for a "-" before a digit or "." that does not follow an "E".
QString inLocale(QString text, const QLocale& locale) {
    text.replace(QRegularExpression("(^|[^E])-(?=[0-9.])"), "\\1\u0001");
    for (int digit = 0; digit < 10; ++digit)
        text.replace(QChar(u'0' + digit), locale.toString(digit));
    return text.replace('.', locale.decimalPoint()).replace(QChar(1), locale.negativeSign());
}

// A row of the conversions table: see conversions_data.
struct Conversion {
    const char *given, *where, *spoken, *after = "", *told = "";
};

} // namespace

Q_DECLARE_METATYPE(Conversion)

class PagesTest : public QObject {
    Q_OBJECT

private slots:
    // Each row: the texts typed ("name=text"), the field Enter is pressed in (or the slider, moved
    // one step by the keyboard), what a screen reader hears once the conversion is done (the
    // results of its row as the fields show them, through one notification, with the focus left
    // where it was; "*" not looked at), the texts afterwards ("name=text|...") and the warning
    // shown. Numbers are written with "." and run in the forms of a full-stop, a comma, a Persian
    // and an Arabic locale; a row that starts from another's results reads them back.
    void conversions_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<Conversion>("row");
        const Conversion rows[] = {
            {"txtGrados1=10 txtMinutos1=30 txtSegundos1=36", "txtSegundos1", "10.51 grados"},
            {"txtGrados2=123.456", "txtGrados2", "123 grados, 27 minutos, 21.60 segundos"},
            {"txtGrados1=123 txtMinutos1=27 txtSegundos1=21.60", "txtSegundos1", "123.456 grados"},
            {"txtHoras2=12.5 comGrados3=h", "txtHoras2", "12 horas, 30 minutos, 0.00 segundos"},
            {"txtGrados3=1.5", "txtGrados3", "90.00 minutos"},
            // The box comes while the fields still hold what the user typed.
            {"txtGrados3=-5 txtGrados4=old", "txtGrados3", "0.00 minutos",
             "txtGrados3=0.00|txtGrados4=0.00", "Solo valores positivos"},
            {"txtMedidas1=100", "txtMedidas2", "39.37008 pulgadas"},
            {"txtMedidas3=1", "txtMedidas3", "6.6845871226706E-09 unidades astronómicas"},
            {"txtMedidas3=6.6845871226706E-09 comMedidas4=Kilómetros", "txtMedidas3",
             "6.6845871226706E-09 kilómetros"},
            {"txtMedidas3=100 comMedidas4=Millas", "txtMedidas4", "62.14 millas",
             "txtMedidas3=100|txtMedidas4=62.14|txtMedidas2="},
            {"txtCelsius=20", "txtCelsius",
             "68.0 Fahrenheit, 293.15 Kelvin, punto de rocío 9.211º C, Formación de rocío"},
            {"txtKelvin=200", "txtKelvin",
             "-73.15 Celsius, -99.67 Fahrenheit, punto de rocío -76.982º C, Temperatura por debajo "
             "del punto de congelación"},
            {"txtCelsius=-73.15", "txtCelsius",
             "-99.67 Fahrenheit, 200.0 Kelvin, punto de rocío -76.982º C, Temperatura por debajo "
             "del punto de congelación"},
            {"txtCelsius=20", "sldHumedad", "9.506º C, Formación de rocío"},
            {"txtFahrenheit=-500 txtCelsius=old txtKelvin=old", "txtFahrenheit",
             "-17.778 Celsius, 255.372 Kelvin, punto de rocío -25.746º C, Temperatura por debajo "
             "del punto de congelación",
             "txtCelsius=-17.778|txtKelvin=255.372|txtFahrenheit=0.0|labHumedad=50 "
             "%|labRocio=-25.746º C|labAvisoRocio=Temperatura por debajo del punto de congelación",
             "Solo valores mayores a -459.67º F"},
            // 1E308 Celsius fits a double, its Fahrenheit does not: the conversion stops there and
            // leaves the dew point as it was.
            {"txtCelsius=1E308 txtFahrenheit=old txtKelvin=old", "txtCelsius", "*",
             "txtFahrenheit=old|labRocio=-|labAvisoRocio=",
             "El resultado queda fuera del rango de valores representables."},
        };
        const std::pair<const char*, QLocale> locales[] = {
            {"full stop", QLocale::c()},
            {"comma", QLocale(QLocale::Spanish, QLocale::Spain)},
            {"Persian", QLocale(QLocale::Persian, QLocale::Iran)},
            {"Arabic", QLocale(QLocale::Arabic, QLocale::Egypt)}};
        for (const auto& [name, locale] : locales)
            for (const Conversion& row : rows)
                QTest::addRow("%s, %s", row.given, name) << locale << row;
    }

    void conversions() {
        QFETCH(QLocale, locale);
        QFETCH(Conversion, row);
        const QStringList given = apptest::names(row.given);
        const auto local = [&](const QString& text) { return inLocale(text, locale); };
        apptest::Window window(numberLocaleOf(locale));
        // "name=text": the control shows the text, in the locale's forms.
        const auto expectShown = [&](const QString& control) {
            const QString name = control.section('=', 0, 0);
            QCOMPARE(name + '=' + window.controlText(name),
                     name + '=' + local(control.section('=', 1)));
        };
        window->setMessageSink([&](const convert::Message& m) {
            window.messages << apptest::describe(m);
            if (m != convert::floatingPointFault()) // a range warning comes before any write
                std::ranges::for_each(given, expectShown);
        });
        for (const QString& control : given) {
            const QString name = control.section('=', 0, 0), text = control.section('=', 1);
            if (auto* list = window.get<QComboBox>(name))
                list->setCurrentIndex(list->findText(text));
            else // as a keyboard of the locale's script types it: a key event for each character
                for (const QChar c : local(text))
                    QTest::sendKeyEvent(QTest::Click, window.get(name), Qt::Key_unknown, QString(c),
                                        Qt::NoModifier);
        }
        auto* control = window.get<QWidget>(row.where);
        apptest::focusOn(control);
        // What the window's announcer says, and what a screen reader reads of it.
        auto* announcer = window.findChild<Announcer*>();
        QStringList heard;
        connect(announcer, &Announcer::said, this, [&](const QString& text) {
            auto* reader = QAccessible::queryAccessibleInterface(announcer);
            QCOMPARE(reader->role(), QAccessible::Notification);
            heard << reader->text(QAccessible::Name);
            QCOMPARE(heard.last(), text);
        });
        QTest::keyClick(control, qobject_cast<QSlider*>(control) ? Qt::Key_Right : Qt::Key_Return);
        if (row.spoken != std::string_view("*")) // "*": not looked at
            QCOMPARE(heard, QStringList{local(QString::fromUtf8(row.spoken))});
        QCOMPARE(QApplication::focusWidget(), control);
        std::ranges::for_each(QString::fromUtf8(row.after).split('|', Qt::SkipEmptyParts),
                              expectShown);
        QCOMPARE(window.messages, *row.told
                                      ? QStringList{"Valor fuera de rango | " +
                                                    QString::fromUtf8(row.told) + " | warning"}
                                      : QStringList());
    }

    // Without a recording sink the window shows a real QMessageBox; once it is closed, the focus
    // is back in the field that Enter was pressed in.
    void theWarningIsARealMessageBox() {
        apptest::Window window;
        window->setMessageSink(nullptr);
        apptest::focusOn(window->txtHoras3);
        QTest::keyClicks(window->txtHoras3, "-1");
        QString seen;
        QVERIFY(apptest::whileModal([&] { QTest::keyClick(window->txtHoras3, Qt::Key_Return); },
                                    [&](QWidget* modal) {
                                        if (auto* box = qobject_cast<QMessageBox*>(modal))
                                            seen = apptest::describe(*box);
                                    }));
        QCOMPARE(seen, QStringLiteral("Valor fuera de rango | Solo valores positivos | warning"));
        QCOMPARE(window->txtHoras3->text(), QStringLiteral("0.00"));
        window.activateWindow(); // as the window manager does when the modal window closes
        QTRY_COMPARE(QApplication::focusWidget(), window->txtHoras3);
        QCOMPARE(window.defaultButton(), window->cmdDecADec2);
    }

    // A conversion that names a field it did not declare leaves the window as it was.
    void anUndeclaredFieldChangesNothing() {
        apptest::Window window;
        static constexpr std::string_view declared[] = {"txtGrados3"};
        window->txtGrados3->setText("old");
        QTest::ignoreMessage(QtWarningMsg, "Mistaken names txtGrados4, which it does not declare");
        window.run({"Mistaken", declared, [](convert::Form& form) {
                        form.write("txtGrados3", "1");
                        form.write("txtGrados4", "2");
                    }});
        QCOMPARE(window.texts({"txtGrados3", "txtGrados4"}), QStringList({"old", ""}));
    }

    // A slider move converts an empty Celsius field once, as if 0 had been typed; that
    // conversion refreshes the read-out once more, nested, and converts no further. Every key
    // then rewrites the read-out, also one that meets the end of the track; Limpiar follows it.
    void sliderKeys_data() {
        QTest::addColumn<numtext::NumberLocale>("locale");
        QTest::newRow("full stop") << numtext::fullStopLocale;
        QTest::newRow("comma") << numtext::commaLocale;
    }
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
        QCOMPARE(window.texts({"txtCelsius", "labHumedad", "labRocio"}).join('|'),
                 loc("0.0|50 %|-9.296º C"));

        apptest::typeAndEnter(window->txtCelsius, "25");
        const std::pair<Qt::Key, const char*> moves[] = {
            {Qt::Key_PageUp, "60 %|16.680º C|Formación de rocío"},
            {Qt::Key_Home, "0 %|-109.500º C|Temperatura por debajo del punto de congelación"},
            {Qt::Key_End, "100 %|25.000º C|Formación de rocío"},
            {Qt::Key_End, "100 %|25.000º C|Formación de rocío"}};
        apptest::focusOn(slider);
        for (const auto& [key, readOut] : moves) {
            for (QLabel* label : {window->labHumedad, window->labRocio, window->labAvisoRocio})
                label->clear();
            QTest::keyClick(slider, key);
            QCOMPARE(window.texts({"labHumedad", "labRocio", "labAvisoRocio"}).join('|'),
                     loc(readOut));
        }

        // Limpiar, here by Enter on it while a field's button is the default (a push button with
        // the focus takes Enter itself), empties every field and the dew point's labels.
        for (const QString& name : apptest::textFields)
            window.get(name)->setText("9");
        window->labHumedad->clear();
        apptest::focusOn(window->txtGrados1);
        QSignalSpy conversions(window->cmdGradosSexADec, &QPushButton::clicked);
        apptest::focusOn(window->cmdLimpiar);
        QTest::keyClick(window->cmdLimpiar, Qt::Key_Return);
        QCOMPARE(conversions.count(), 0);
        for (const QString& name : apptest::textFields)
            QVERIFY2(window.get(name)->text().isEmpty(), qPrintable(name));
        QCOMPARE(window.texts({"labHumedad", "labRocio", "labAvisoRocio"}).join('|'), "100 %|-|-");
        QVERIFY(window.messages.isEmpty());
    }

    // Focus on a field, as Tab gives it, selects all the field holds, so typing replaces it, and
    // makes its row's button the one Enter (either key) presses; the results of the unit change
    // keep the one chosen before (here Limpiar).
    void enterRouting_data() {
        QTest::addColumn<QString>("button");
        const QStringList buttons = apptest::names(
            "cmdGradosSexADec cmdGradosSexADec cmdGradosSexADec cmdGradosDecASexa cmdHorasSexADec "
            "cmdHorasSexADec cmdHorasSexADec cmdHorasDecASex cmdDecADec1 cmdLimpiar cmdDecADec2 "
            "cmdLimpiar cmdMedidas1 cmdMedidas1 cmdMedidas2 cmdMedidas2 cmdCelsius cmdFahrenheit "
            "cmdKelvin");
        for (int i = 0; i < apptest::textFields.size(); ++i)
            QTest::newRow(qPrintable(apptest::textFields[i])) << buttons[i];
    }

    void enterRouting() {
        QFETCH(QString, button);
        apptest::Window window;
        window.setDefaultButton(window.cmdLimpiar);
        auto* expected = window.get<QPushButton>(button);
        auto* field = window.get(QTest::currentDataTag());
        field->setText("12");
        apptest::focusOn(field);
        QCOMPARE(field->selectedText(), QStringLiteral("12"));
        QCOMPARE(window.defaultButton(), expected);
        QVERIFY(expected->isDefault());
        QSignalSpy clicks(expected, &QPushButton::clicked);
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(clicks.count(), 2);
    }

    // The result fields of the unit change keep the button chosen before, none at start-up; Enter
    // in a unit list converts again from the source. A click into a field selects all it holds
    // too, though the press places the caret after the focus arrives.
    void enterInAResultFieldAndClicks() {
        apptest::Window window;
        apptest::typeAndEnter(window.txtHoras4, "7");
        QCOMPARE(window.defaultButton(), nullptr);
        QCOMPARE(window.texts({"txtHoras3", "txtHoras4"}), QStringList({"", "7"}));
        window.txtMedidas1->setText("2");
        apptest::focusOn(window.txtMedidas1);
        apptest::focusOn(window.comMedidas2);
        QTest::keyClick(window.comMedidas2, Qt::Key_Return);
        QCOMPARE(window.txtMedidas2->text(), QStringLiteral("0.7874"));
        window.txtMedidas3->setText("12.5");
        QTest::mouseClick(window.txtMedidas3, Qt::LeftButton, {}, QPoint(4, 8));
        QTRY_COMPARE(window.txtMedidas3->selectedText(), QStringLiteral("12.5"));
        QCOMPARE(window.defaultButton(), window.cmdMedidas2);
    }

    // Copy and paste give the field the focus and select it; a paste replaces all the field held.
    // Each row: a copy button and its field, a paste button, its field and its row's button.
    void copyAndPaste_data() {
        QTest::addColumn<QStringList>("controls");
        for (const char* row : {"cmdCopiar1 txtGrados2 cmdPegar2 txtHoras2 cmdHorasDecASex",
                                "cmdCopiar2 txtHoras2 cmdPegar3 txtMedidas3 cmdMedidas2",
                                "cmsCopiar3 txtMedidas4 cmdPegar1 txtGrados2 cmdGradosDecASexa"})
            QTest::newRow(row) << apptest::names(row);
    }
    void copyAndPaste() {
        QFETCH(QStringList, controls);
        apptest::Window window;
        window.get(controls[1])->setText("0.6214");
        window.get<QPushButton>(controls[0])->click();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("0.6214"));
        QLineEdit* field = window.get(controls[3]);
        field->setText("1");
        window.get<QPushButton>(controls[2])->click();
        QCOMPARE(field->text(), QStringLiteral("0.6214"));
        QCOMPARE(field->selectedText(), field->text());
        QCOMPARE(window.defaultButton(), window.get<QPushButton>(controls[4]));
    }
};

QTEST_MAIN(PagesTest)
#include "tst_pages.moc"
