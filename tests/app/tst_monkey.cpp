// A monkey on the real window: twenty thousand random events with a fixed seed, under both
// separators, and after each one the window is checked for what must never show: a text that a
// conversion wrote and that is not a number, a read-out that disagrees with the slider, a box
// that is not a range warning.
#include "app/frmprincipal.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QtTest>

#include <random>

namespace {

const QString dewWarnings[] = {QStringLiteral("Temperatura por debajo del punto de congelación"),
                               QStringLiteral("Temperatura por encima del punto de ebullición"),
                               QStringLiteral("Formación de rocío")};

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
        QString text(10000, QChar(u"0123456789.,eE- a"[random() % 17]));
        for (int i = random() % 2 ? 0 : 10000; i < 10000; ++i)
            text[i] = QChar(u"0123456789.,eE- a"[random() % 17]);
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
    void twentyThousandEventsLeaveOnlyNumbersBehind();
};

void Monkey::twentyThousandEventsLeaveOnlyNumbersBehind() {
    frmPrincipal window;
    QList<numtext::Message> messages;
    window.setMessageSink([&](const numtext::Message& m) { messages.append(m); });
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QList<QLineEdit*> fields;
    for (auto* field : window.findChildren<QLineEdit*>())
        if (!qobject_cast<QComboBox*>(field->parent()))
            fields.append(field);
    const auto lists = window.findChildren<QComboBox*>();
    QList<QPushButton*> buttons = window.findChildren<QPushButton*>();
    buttons.removeOne(window.cmdSalir);
    const QList<QAction*> pages{window.mnuHoras, window.mnuDistancias, window.mnuTemperatura};
    QList<QWidget*> enterTargets{window.sldHumedad};
    enterTargets << QList<QWidget*>(fields.begin(), fields.end())
                 << QList<QWidget*>(lists.begin(), lists.end());
    const auto texts = [&] {
        QStringList all;
        for (auto* field : fields)
            all.append(field->text());
        return all;
    };

    std::mt19937 random(90210);
    for (int event = 0; event < 20000; ++event) {
        if (event % 5000 == 0) { // the other separator, from a clean window
            window.setNumberLocale(event % 10000 ? numtext::commaLocale : numtext::fullStopLocale);
            window.cmdLimpiar->click();
        }
        const auto& locale = window.numberLocale();
        const QStringList before = texts();
        bool userInput = false, cleared = false;
        const auto pick = random() % 16;
        if (pick < 3) { // typed
            auto* field = fields[random() % fields.size()];
            field->setFocus();
            const QString text = randomText(random);
            QTest::keyClicks(field, text.size() > 40 ? text.left(40) : text);
            userInput = true;
        } else if (pick < 5) { // pasted with the keyboard (the paste buttons are among the buttons)
            QApplication::clipboard()->setText(randomText(random));
            auto* field = fields[random() % fields.size()];
            field->setFocus();
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
            userInput = true;
        } else if (pick < 7) { // a unit list: an entry, or any text
            auto* list = lists[random() % lists.size()];
            if (random() % 3)
                list->setCurrentIndex(int(random() % list->count()));
            else
                list->setEditText(randomText(random));
        } else if (pick < 8) {
            window.sldHumedad->triggerAction(
                QAbstractSlider::SliderAction(1 + random() % 6)); // steps, pages, the two ends
        } else if (pick < 12) {
            auto* button = buttons[random() % buttons.size()];
            userInput = button->objectName().startsWith("cmdPegar");
            cleared = button == window.cmdLimpiar;
            button->click();
        } else if (pick < 15) {
            QTest::keyClick(enterTargets[random() % enterTargets.size()],
                            random() % 4 ? Qt::Key_Return : Qt::Key_Tab);
        } else {
            pages[random() % pages.size()]->trigger();
        }
        if (event % 128 == 0)
            QCoreApplication::processEvents();

        const QStringList after = texts();
        for (int i = 0; i < fields.size() && !userInput; ++i)
            if (after[i] != before[i])
                QVERIFY2(cleared ? after[i].isEmpty()
                                 : numtext::isNumber(after[i].toStdString(), locale),
                         qPrintable(QString("event %1: %2 = %3")
                                        .arg(event)
                                        .arg(fields[i]->objectName(), after[i].left(80))));
        QCOMPARE(window.labHumedad->text(), QString("%1 %").arg(window.sldHumedad->value()));

        // The dew point: "-" with no warning, or three decimals, "º C" and its own warning.
        const QString dew = window.labRocio->text(), warning = window.labAvisoRocio->text();
        if (cleared)
            QVERIFY(dew == "-" && warning == "-");
        if (dew == "-") {
            QVERIFY2(warning == "-" || warning.isEmpty(), qPrintable(warning));
        } else {
            const QString shownText = dew.chopped(3),
                          decimal = QString::fromStdString(locale.decimal);
            const auto shown = numtext::toNumber(shownText.toStdString(), locale);
            QVERIFY2(dew.endsWith(QStringLiteral("º C")) && shown &&
                         shownText.size() - shownText.indexOf(decimal) - decimal.size() == 3,
                     qPrintable(dew));
            QCOMPARE(warning, dewWarnings[*shown < 0 ? 0 : *shown > 100 ? 1 : 2]);
        }
        for (const auto& m : std::as_const(messages))
            QVERIFY2(m.style == numtext::MessageStyle::Warning &&
                         m.title == "Valor fuera de rango" && !m.text.empty(),
                     m.text.c_str());
        messages.clear();
    }
}

QTEST_MAIN(Monkey)
#include "tst_monkey.moc"
