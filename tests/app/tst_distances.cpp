// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The distances page through its real widgets: Enter in a field of each converter runs that one.
#include "helpers/window_test.h"

class DistancesPage : public QObject {
    Q_OBJECT

private slots:
    void conversions_data() {
        apptest::conversionColumns();
        QTest::newRow("short, Enter in the source")
            << numtext::fullStopLocale
            << QStringList{"comMedidas1=Pulgadas", "comMedidas2=Centímetros", "txtMedidas2=old"}
            << "txtMedidas1"
            << "1.5" << QStringList{"txtMedidas1=1.50", "txtMedidas2=3.81", "txtMedidas4="}
            << QStringList{};
        QTest::newRow("long, Enter in the result, comma")
            << numtext::commaLocale << QStringList{"txtMedidas3=100", "comMedidas4=Millas"}
            << "txtMedidas4"
            << "" << QStringList{"txtMedidas3=100", "txtMedidas4=62,14", "txtMedidas2="}
            << QStringList{};
    }
    void conversions() { apptest::runConversion(); }
};

QTEST_MAIN(DistancesPage)
#include "tst_distances.moc"
