// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// A monkey on the real window: twenty thousand random events with a fixed seed, under both
// separators, and after each one the window is checked for what must never show: a text that a
// conversion wrote and that is not a number, a read-out that disagrees with the slider, a box
// that is not a range warning.
#include "helpers/window_test.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QSlider>
#include <random>

namespace {

// Texts of every kind: numbers of every size as either locale writes them, the edges of the
// double range, blanks, letters, separators in odd places, and now and then a very long text.
QString randomText(std::mt19937& random) {
    static const QStringList odd =
        QString("1e308|-1e308|1.7976931348623157e308|1.8e308|-0||  |  7  |abc|inf|-inf|nan|NaN|1,5|"
                "1.5|1.234,5|1,234.5|0x10|12a|º|E|1e-400|4.9e-324|Grados|h|60|359.9999999|"
                "23.99999999|-273.16")
            .split('|');
    const auto pick = random() % 10;
    if (pick < 4)
        return odd[random() % odd.size()];
    if (pick == 4 && random() % 4 == 0) { // a run of one character, or of many
        const auto anyChar = [&] { return QChar(u"0123456789.,eE- a"[random() % 17]); };
        QString text(10000, anyChar());
        for (int i = random() % 2 ? 0 : 10000; i < 10000; ++i)
            text[i] = anyChar();
        return text;
    }
    const double value = (random() % 2 ? -1.0 : 1.0) * (random() % 100000) *
                         std::pow(10.0, int(random() % 640) - 330);
    const auto& locale = random() % 2 ? numtext::commaLocale : numtext::fullStopLocale;
    return QString::fromStdString(numtext::generalNumberText(value, locale));
}

} // namespace

class Monkey : public QObject {
    Q_OBJECT

private slots:
    void twentyThousandEventsLeaveOnlyNumbersBehind() {
        apptest::Window window;
        const auto fields = window.findChildren<QLineEdit*>(QRegularExpression("^txt"));
        const auto lists = window.findChildren<QComboBox*>();
        QList<QPushButton*> buttons = window.findChildren<QPushButton*>();
        buttons.removeOne(window.cmdSalir);
        const QList<QAction*> pages{window.mnuHoras, window.mnuDistancias, window.mnuTemperatura};
        QList<QWidget*> enterTargets{window.sldHumedad};
        enterTargets << QList<QWidget*>(fields.begin(), fields.end())
                     << QList<QWidget*>(lists.begin(), lists.end());
        const QRegularExpression rangeWarning("^Valor fuera de rango \\| .+ \\| warning$",
                                              QRegularExpression::DotMatchesEverythingOption);

        std::mt19937 random(90210);
        const auto any = [&random](const auto& list) { return list[random() % list.size()]; };
        for (int event = 0; event < 20000; ++event) {
            if (event % 5000 == 0) { // the other separator, from a clean window
                window.setNumberLocale(event % 10000 ? numtext::commaLocale
                                                     : numtext::fullStopLocale);
                window.cmdLimpiar->click();
            }
            const auto& locale = window.numberLocale();
            QStringList before;
            for (auto* field : fields)
                before << field->text();
            const auto pick = random() % 16;
            bool userInput = pick < 5, cleared = false;
            if (pick < 3) { // typed
                auto* field = any(fields);
                field->setFocus();
                QTest::keyClicks(field, randomText(random).left(40));
            } else if (pick < 5) { // pasted with the keyboard (the paste buttons are buttons below)
                QApplication::clipboard()->setText(randomText(random));
                auto* field = any(fields);
                field->setFocus();
                QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            } else if (pick < 7) { // a unit list: an entry, or any text
                auto* list = any(lists);
                if (random() % 3)
                    list->setCurrentIndex(int(random() % list->count()));
                else
                    list->setEditText(randomText(random));
            } else if (pick < 8) { // steps, pages, the two ends
                window.sldHumedad->triggerAction(QAbstractSlider::SliderAction(1 + random() % 6));
            } else if (pick < 12) {
                auto* button = any(buttons);
                userInput = button->objectName().startsWith("cmdPegar");
                cleared = button == window.cmdLimpiar;
                button->click();
            } else if (pick < 15) {
                QTest::keyClick(any(enterTargets), random() % 4 ? Qt::Key_Return : Qt::Key_Tab);
            } else {
                any(pages)->trigger();
            }
            if (event % 128 == 0)
                QCoreApplication::processEvents();

            for (int i = 0; i < fields.size() && !userInput; ++i)
                if (const QString after = fields[i]->text(); after != before[i])
                    QVERIFY2(cleared ? after.isEmpty()
                                     : numtext::isNumber(after.toStdString(), locale),
                             qPrintable(fields[i]->objectName() + " = " + after.left(80) +
                                        " after event " + QString::number(event)));
            QCOMPARE(window.labHumedad->text(), QString("%1 %").arg(window.sldHumedad->value()));

            // The dew point: "-" with no warning, or three decimals, "º C" and its own warning.
            const QString dew = window.labRocio->text(), warning = window.labAvisoRocio->text();
            QVERIFY(!cleared || (dew == "-" && warning == "-"));
            if (dew == "-") {
                QVERIFY2(warning == "-" || warning.isEmpty(), qPrintable(warning));
            } else {
                const auto match =
                    QRegularExpression(QString("^(.+\\%1[0-9]{3})º C$").arg(locale.decimal[0]))
                        .match(dew);
                const auto shown = numtext::toNumber(match.captured(1).toStdString(), locale);
                QVERIFY2(match.hasMatch() && shown, qPrintable(dew));
                QCOMPARE(warning, *shown < 0 ? "Temperatura por debajo del punto de congelación"
                                  : *shown > 100 ? "Temperatura por encima del punto de ebullición"
                                                 : "Formación de rocío");
            }
            for (const QString& message : std::as_const(window.messages))
                QVERIFY2(rangeWarning.match(message).hasMatch(), qPrintable(message));
            window.messages.clear();
        }
    }
};

QTEST_MAIN(Monkey)
#include "tst_monkey.moc"
