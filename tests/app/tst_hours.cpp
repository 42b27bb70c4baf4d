// The hour row and the two unit-change rows driven through their real widgets: Enter in a field
// runs the conversion of its row under either decimal separator, the unit is the exact text of
// its list, and the range warnings come before any field changes, as real warning boxes.
#include "app/frmprincipal.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <vector>

Q_DECLARE_METATYPE(numtext::NumberLocale)

namespace {
const QString ordinal = QString(QChar(0x00BA)); // "º", the entry of comGrados3
}

class HoursPage : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void enterInAnHourFieldRunsItsConversion_data();
    void enterInAnHourFieldRunsItsConversion();
    void aTypedUnitThatIsNeitherEntryOnlyMasksTheSeconds();
    void enterInAUnitChangeFieldRunsItsRow_data();
    void enterInAUnitChangeFieldRunsItsRow();
    void negativeInputIsWarnedAboutBeforeTheFieldsChange();
    void aResultBeyondTheDoubleRangeLeavesBothFields();
    void theWarningIsARealMessageBox();

private:
    QLineEdit* field(const QString& name) const;
    QComboBox* list(const QString& name) const;
    void pick(QComboBox* list, const QString& unit);
    void typeInto(QComboBox* list, const QString& text);
    void typeAndPressEnter(QLineEdit* field, const QString& text);
    QString texts(std::initializer_list<const char*> names) const;

    frmPrincipal* window_ = nullptr;
    std::vector<numtext::Message> messages_;
};

void HoursPage::init() {
    messages_.clear();
    window_ = new frmPrincipal;
    window_->setNumberLocale(numtext::fullStopLocale);
    window_->setMessageSink([this](const numtext::Message& m) { messages_.push_back(m); });
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    window_->tabFichas->setCurrentIndex(0);
    QVERIFY(window_->txtHoras1->isVisible());
}

void HoursPage::cleanup() {
    delete window_;
    window_ = nullptr;
}

QLineEdit* HoursPage::field(const QString& name) const {
    auto* found = window_->findChild<QLineEdit*>(name);
    if (!found)
        qFatal("no field %s", qPrintable(name));
    return found;
}

QComboBox* HoursPage::list(const QString& name) const {
    auto* found = window_->findChild<QComboBox*>(name);
    if (!found)
        qFatal("no list %s", qPrintable(name));
    return found;
}

void HoursPage::pick(QComboBox* list, const QString& unit) {
    const int index = list->findText(unit);
    QVERIFY2(index >= 0, qPrintable(unit));
    list->setCurrentIndex(index);
    QCOMPARE(list->currentText(), unit);
}

// Types over the editable text of a list, as a user who does not pick an entry.
void HoursPage::typeInto(QComboBox* list, const QString& text) {
    list->setFocus();
    QTRY_VERIFY(list->hasFocus());
    list->lineEdit()->selectAll();
    QTest::keyClicks(list->lineEdit(), text);
    QCOMPARE(list->currentText(), text);
}

// Gives the field the focus (which selects its text), types over it and presses Enter there.
void HoursPage::typeAndPressEnter(QLineEdit* field, const QString& text) {
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->selectAll();
    QTest::keyClicks(field, text);
    QCOMPARE(field->text(), text);
    QTest::keyClick(field, Qt::Key_Return);
}

QString HoursPage::texts(std::initializer_list<const char*> names) const {
    QStringList out;
    for (const char* name : names)
        out << field(QString::fromLatin1(name))->text();
    return out.join(QStringLiteral(" | "));
}

void HoursPage::enterInAnHourFieldRunsItsConversion_data() {
    QTest::addColumn<numtext::NumberLocale>("locale");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QStringList>("before"); // txtHoras1, txtMinutos2, txtSegundos2, txtHoras2
    QTest::addColumn<QString>("enterIn");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("after");

    const auto fullStop = numtext::fullStopLocale;
    const auto comma = numtext::commaLocale;
    QTest::newRow("hours, Enter in the hours")
        << fullStop << "h" << QStringList{"", "34", "56", ""} << "txtHoras1"
        << "12" << QStringList{"12", "34", "56", "12.58222"};
    QTest::newRow("degrees, Enter in the minutes, comma")
        << comma << ordinal << QStringList{"12", "", "56", ""} << "txtMinutos2"
        << "34" << QStringList{"12", "34", "56", "188,73333"};
    QTest::newRow("degrees, 24 hours reset, Enter in the seconds")
        << fullStop << ordinal << QStringList{"24", "30", "", "5"} << "txtSegundos2"
        << "0" << QStringList{"0", "30", "0", "7.50"};
    QTest::newRow("hours to sexagesimal, carried into the hours, comma")
        << comma << "h" << QStringList{"", "", "", ""} << "txtHoras2"
        << "0,999999999" << QStringList{"1", "0", "0,00", "0,999999999"};
    QTest::newRow("degrees to sexagesimal, carried")
        << fullStop << ordinal << QStringList{"", "", "", ""} << "txtHoras2"
        << "90.5" << QStringList{"6", "2", "0.00", "90.5"};
    QTest::newRow("the bound follows the unit, comma")
        << comma << "h" << QStringList{"9", "9", "9", ""} << "txtHoras2"
        << "30" << QStringList{"0", "0", "0,00", "0"};
}

void HoursPage::enterInAnHourFieldRunsItsConversion() {
    QFETCH(numtext::NumberLocale, locale);
    QFETCH(QString, unit);
    QFETCH(QStringList, before);
    QFETCH(QString, enterIn);
    QFETCH(QString, typed);
    QFETCH(QStringList, after);

    window_->setNumberLocale(locale);
    pick(window_->comGrados3, unit);
    const QList<QLineEdit*> fields{window_->txtHoras1, window_->txtMinutos2, window_->txtSegundos2,
                                   window_->txtHoras2};
    for (int i = 0; i < fields.size(); ++i)
        fields[i]->setText(before[i]);
    typeAndPressEnter(field(enterIn), typed);

    for (int i = 0; i < fields.size(); ++i)
        QCOMPARE(fields[i]->text(), after[i]);
    QCOMPARE(window_->comGrados3->currentText(), unit);
    QVERIFY(messages_.empty());
}

void HoursPage::aTypedUnitThatIsNeitherEntryOnlyMasksTheSeconds() {
    typeInto(window_->comGrados3, QStringLiteral("H"));
    window_->txtHoras1->setText(QStringLiteral("3"));
    window_->txtMinutos2->setText(QStringLiteral("59"));
    window_->txtHoras2->setText(QStringLiteral("12.5"));

    // Seconds that are not a number: the click completes and nothing changes.
    window_->txtSegundos2->setText(QStringLiteral("abc"));
    window_->cmdHorasDecASex->click();
    QCOMPARE(texts({"txtHoras1", "txtMinutos2", "txtSegundos2", "txtHoras2"}),
             QStringLiteral("3 | 59 | abc | 12.5"));

    window_->txtSegundos2->setText(QStringLiteral("30"));
    window_->cmdHorasDecASex->click();
    QCOMPARE(texts({"txtHoras1", "txtMinutos2", "txtSegundos2", "txtHoras2"}),
             QStringLiteral("3 | 59 | 30.00 | 12.5"));

    window_->cmdHorasSexADec->click();
    QCOMPARE(texts({"txtHoras1", "txtMinutos2", "txtSegundos2", "txtHoras2"}),
             QStringLiteral("3 | 59 | 30.00 | 12.50"));
    QCOMPARE(window_->comGrados3->currentText(), QStringLiteral("H"));
    QVERIFY(messages_.empty());
}

void HoursPage::enterInAUnitChangeFieldRunsItsRow_data() {
    QTest::addColumn<numtext::NumberLocale>("locale");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("newInput");
    QTest::addColumn<QString>("newOutput");

    QTest::newRow("degrees to minutes") << numtext::fullStopLocale << "txtGrados3"
                                        << "Grados"
                                        << "Minutos"
                                        << "1.5"
                                        << "1.50"
                                        << "90.00";
    QTest::newRow("seconds to degrees, comma") << numtext::commaLocale << "txtGrados3"
                                               << "Segundos"
                                               << "Grados"
                                               << "1"
                                               << "1,00"
                                               << "0,00027778";
    QTest::newRow("hours to minutes, comma") << numtext::commaLocale << "txtHoras3"
                                             << "Horas"
                                             << "Minutos"
                                             << "2,5"
                                             << "2,50"
                                             << "150,00";
    QTest::newRow("seconds to hours") << numtext::fullStopLocale << "txtHoras3"
                                      << "Segundos"
                                      << "Horas"
                                      << "5400"
                                      << "5400.00"
                                      << "1.50";
}

void HoursPage::enterInAUnitChangeFieldRunsItsRow() {
    QFETCH(numtext::NumberLocale, locale);
    QFETCH(QString, input);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QString, typed);
    QFETCH(QString, newInput);
    QFETCH(QString, newOutput);

    const bool degrees = input == QStringLiteral("txtGrados3");
    window_->setNumberLocale(locale);
    pick(list(degrees ? "comGrados1" : "comHoras1"), from);
    pick(list(degrees ? "comGrados2" : "comHoras2"), to);
    typeAndPressEnter(field(input), typed);

    QCOMPARE(field(input)->text(), newInput);
    QCOMPARE(field(degrees ? "txtGrados4" : "txtHoras4")->text(), newOutput);
    QVERIFY(messages_.empty());
}

void HoursPage::negativeInputIsWarnedAboutBeforeTheFieldsChange() {
    window_->txtGrados4->setText(QStringLiteral("old"));
    QString atWarning;
    window_->setMessageSink([&](const numtext::Message& m) {
        messages_.push_back(m);
        atWarning = texts({"txtGrados3", "txtGrados4"});
    });
    typeAndPressEnter(window_->txtGrados3, QStringLiteral("-5"));

    QCOMPARE(messages_.size(), size_t(1));
    QCOMPARE(messages_[0].text, std::string("Solo valores positivos"));
    QCOMPARE(messages_[0].title, std::string("Valor fuera de rango"));
    QCOMPARE(messages_[0].style, numtext::MessageStyle::Warning);
    QCOMPARE(atWarning, QStringLiteral("-5 | old"));
    QCOMPARE(texts({"txtGrados3", "txtGrados4"}), QStringLiteral("0.00 | 0.00"));
}

void HoursPage::aResultBeyondTheDoubleRangeLeavesBothFields() {
    window_->txtHoras4->setText(QStringLiteral("5"));
    typeAndPressEnter(window_->txtHoras3, QStringLiteral("1E307"));

    QCOMPARE(messages_.size(), size_t(1));
    QVERIFY(messages_[0] == numtext::floatingPointFault());
    QCOMPARE(texts({"txtHoras3", "txtHoras4"}), QStringLiteral("1E307 | 5"));
}

void HoursPage::theWarningIsARealMessageBox() {
    window_->setMessageSink(nullptr);
    window_->txtHoras3->setText(QStringLiteral("-1"));
    window_->txtHoras4->setText(QStringLiteral("7"));

    QString title;
    QString text;
    QString fieldsAtBox;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    // The timer dies with the test, so a box that never came cannot leave it pending.
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons().size();
        fieldsAtBox = texts({"txtHoras3", "txtHoras4"});
        box->button(QMessageBox::Ok)->click();
    });
    window_->cmdDecADec2->click();

    QCOMPARE(title, QStringLiteral("Valor fuera de rango"));
    QCOMPARE(text, QStringLiteral("Solo valores positivos"));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(buttons, qsizetype(1));
    QCOMPARE(fieldsAtBox, QStringLiteral("-1 | 7"));
    QCOMPARE(texts({"txtHoras3", "txtHoras4"}), QStringLiteral("0.00 | 0.00"));
}

QTEST_MAIN(HoursPage)
#include "tst_hours.moc"
