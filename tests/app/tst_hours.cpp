// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The first page through its real widgets: each conversion of the degree and hour rows and of the
// two unit changes, and the range warning shown before any field changes.
#include "helpers/window_test.h"

#include <QMessageBox>

class HoursPage : public QObject {
    Q_OBJECT

private slots:
    void conversions_data() {
        apptest::conversionColumns();
        const auto fullStop = numtext::fullStopLocale;
        const auto comma = numtext::commaLocale;
        QTest::newRow("degrees to decimal, clicked")
            << fullStop << QStringList{"txtGrados1=12", "txtMinutos1=1.5", "txtSegundos1=abc"}
            << "cmdGradosSexADec"
            << "" << QStringList{"txtSegundos1=0", "txtGrados2=12.025"} << QStringList{};
        QTest::newRow("degrees to sexagesimal, comma")
            << comma << QStringList{} << "txtGrados2"
            << "12,025" << QStringList{"txtGrados1=12", "txtMinutos1=1", "txtSegundos1=30,00"}
            << QStringList{};
        QTest::newRow("hours to decimal")
            << fullStop << QStringList{"comGrados3=h", "txtMinutos2=34", "txtSegundos2=56"}
            << "txtHoras1"
            << "12" << QStringList{"txtHoras2=12.58222"} << QStringList{};
        QTest::newRow("degrees to hours, comma")
            << comma << QStringList{"comGrados3=" + apptest::ordinal, "txtMinutos2=9"}
            << "txtHoras2"
            << "90,5" << QStringList{"txtHoras1=6", "txtMinutos2=2", "txtSegundos2=0,00"}
            << QStringList{};
        QTest::newRow("degrees to minutes")
            << fullStop << QStringList{"comGrados1=Grados", "comGrados2=Minutos"} << "txtGrados3"
            << "1.5" << QStringList{"txtGrados3=1.50", "txtGrados4=90.00"} << QStringList{};
        QTest::newRow("seconds to hours, comma")
            << comma << QStringList{"comHoras1=Segundos", "comHoras2=Horas"} << "txtHoras3"
            << "5400" << QStringList{"txtHoras3=5400,00", "txtHoras4=1,50"} << QStringList{};
    }
    void conversions() { apptest::runConversion(); }

    // The box comes while the fields still hold what the user typed.
    void negativeInputIsWarnedAboutFirst() {
        apptest::Window window;
        window->txtGrados4->setText("old");
        QStringList atMessage;
        window->setMessageSink([&](const convert::Message& m) {
            atMessage << apptest::describe(m) << window.texts({"txtGrados3", "txtGrados4"});
        });
        apptest::typeAndEnter(window->txtGrados3, "-5");
        QCOMPARE(atMessage, QStringList({"Valor fuera de rango | Solo valores positivos | warning",
                                         "-5", "old"}));
        QCOMPARE(window.texts({"txtGrados3", "txtGrados4"}), QStringList({"0.00", "0.00"}));
    }

    // Without a recording sink the window shows a real QMessageBox.
    void theWarningIsARealMessageBox() {
        apptest::Window window;
        window->setMessageSink(nullptr);
        window->txtHoras3->setText("-1");
        QString seen;
        QVERIFY(apptest::whileModal([&] { window->cmdDecADec2->click(); },
                                    [&](QWidget* modal) {
                                        if (auto* box = qobject_cast<QMessageBox*>(modal))
                                            seen = apptest::describe(*box);
                                    }));
        QCOMPARE(seen, QStringLiteral("Valor fuera de rango | Solo valores positivos | warning"));
        QCOMPARE(window->txtHoras3->text(), QStringLiteral("0.00"));
    }
};

QTEST_MAIN(HoursPage)
#include "tst_hours.moc"
