// The distances page driven through its real widgets: Enter in a field runs its row's
// conversion, results land in the fields under either decimal separator, and a value beyond the
// double range shows the program's warning box and leaves both fields as they were.
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

class DistancesPage : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void enterInAFieldRunsTheShortConverter_data();
    void enterInAFieldRunsTheShortConverter();
    void enterInAFieldRunsTheLongConverter_data();
    void enterInAFieldRunsTheLongConverter();
    void aTypedUnitNameThatIsNoUnitLeavesTheResult();
    void aValueBeyondTheDoubleRangeStopsBothConverters();
    void theFaultIsARealWarningBox();

private:
    void pick(QComboBox* list, const QString& unit);
    void typeAndPressEnter(QLineEdit* typed, const QString& text, QLineEdit* enterIn);

    frmPrincipal* window_ = nullptr;
    std::vector<numtext::Message> messages_;
};

void DistancesPage::init() {
    messages_.clear();
    window_ = new frmPrincipal;
    window_->setMessageSink([this](const numtext::Message& m) { messages_.push_back(m); });
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    window_->tabFichas->setCurrentIndex(1);
    QVERIFY(window_->txtMedidas1->isVisible());
}

void DistancesPage::cleanup() {
    delete window_;
    window_ = nullptr;
}

void DistancesPage::pick(QComboBox* list, const QString& unit) {
    const int index = list->findText(unit);
    QVERIFY2(index >= 0, qPrintable(unit));
    list->setCurrentIndex(index);
    QCOMPARE(list->currentText(), unit);
}

// Types into one field, then gives `enterIn` the focus and presses Enter there.
void DistancesPage::typeAndPressEnter(QLineEdit* typed, const QString& text, QLineEdit* enterIn) {
    typed->setFocus();
    QTRY_VERIFY(typed->hasFocus());
    typed->clear();
    QTest::keyClicks(typed, text);
    QCOMPARE(typed->text(), text);
    if (enterIn != typed) {
        enterIn->setFocus();
        QTRY_VERIFY(enterIn->hasFocus());
    }
    QTest::keyClick(enterIn, Qt::Key_Return);
}

void DistancesPage::enterInAFieldRunsTheShortConverter_data() {
    QTest::addColumn<numtext::NumberLocale>("locale");
    QTest::addColumn<QString>("enterIn");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("newSource");
    QTest::addColumn<QString>("result");

    QTest::newRow("full stop, Enter in the source") << numtext::fullStopLocale << "txtMedidas1"
                                                    << "1.5"
                                                    << "1.50"
                                                    << "3.81";
    QTest::newRow("comma, Enter in the result") << numtext::commaLocale << "txtMedidas2"
                                                << "1,5"
                                                << "1,50"
                                                << "3,81";
}

void DistancesPage::enterInAFieldRunsTheShortConverter() {
    QFETCH(numtext::NumberLocale, locale);
    QFETCH(QString, enterIn);
    QFETCH(QString, source);
    QFETCH(QString, newSource);
    QFETCH(QString, result);

    window_->setNumberLocale(locale);
    pick(window_->comMedidas1, QStringLiteral("Pulgadas"));
    pick(window_->comMedidas2, QStringLiteral("Centímetros"));
    window_->txtMedidas2->setText(QStringLiteral("old"));

    typeAndPressEnter(window_->txtMedidas1, source, window_->findChild<QLineEdit*>(enterIn));

    QCOMPARE(window_->txtMedidas1->text(), newSource);
    QCOMPARE(window_->txtMedidas2->text(), result);
    QCOMPARE(window_->comMedidas1->currentText(), QStringLiteral("Pulgadas"));
    QCOMPARE(window_->comMedidas2->currentText(), QStringLiteral("Centímetros"));
    // The other converter of the page did not run.
    QCOMPARE(window_->txtMedidas3->text(), QString());
    QCOMPARE(window_->txtMedidas4->text(), QString());
    QVERIFY(messages_.empty());
}

void DistancesPage::enterInAFieldRunsTheLongConverter_data() {
    QTest::addColumn<numtext::NumberLocale>("locale");
    QTest::addColumn<QString>("enterIn");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("result");

    QTest::newRow("full stop, Enter in the source") << numtext::fullStopLocale << "txtMedidas3"
                                                    << "100"
                                                    << "62.14";
    QTest::newRow("comma, Enter in the source") << numtext::commaLocale << "txtMedidas3"
                                                << "100"
                                                << "62,14";
    QTest::newRow("comma, Enter in the result") << numtext::commaLocale << "txtMedidas4"
                                                << "1,50"
                                                << "0,9321";
}

void DistancesPage::enterInAFieldRunsTheLongConverter() {
    QFETCH(numtext::NumberLocale, locale);
    QFETCH(QString, enterIn);
    QFETCH(QString, source);
    QFETCH(QString, result);

    window_->setNumberLocale(locale);
    QCOMPARE(window_->comMedidas3->currentText(), QStringLiteral("Kilómetros"));
    pick(window_->comMedidas4, QStringLiteral("Millas"));

    typeAndPressEnter(window_->txtMedidas3, source, window_->findChild<QLineEdit*>(enterIn));

    QCOMPARE(window_->txtMedidas3->text(), source); // never reformatted
    QCOMPARE(window_->txtMedidas4->text(), result);
    QCOMPARE(window_->comMedidas4->currentText(), QStringLiteral("Millas"));
    QCOMPARE(window_->txtMedidas1->text(), QString());
    QCOMPARE(window_->txtMedidas2->text(), QString());
    QVERIFY(messages_.empty());
}

void DistancesPage::aTypedUnitNameThatIsNoUnitLeavesTheResult() {
    window_->txtMedidas1->setText(QStringLiteral("abc"));
    window_->comMedidas1->setEditText(QStringLiteral("cm"));
    window_->txtMedidas2->setText(QStringLiteral("2.54"));
    QTest::mouseClick(window_->cmdMedidas1, Qt::LeftButton);
    QCOMPARE(window_->txtMedidas1->text(), QStringLiteral("0.00"));
    QCOMPARE(window_->txtMedidas2->text(), QStringLiteral("2.54"));
    QCOMPARE(window_->comMedidas1->currentText(), QStringLiteral("cm"));

    window_->txtMedidas3->setText(QStringLiteral("1"));
    window_->comMedidas4->setEditText(QStringLiteral("parsecs"));
    window_->txtMedidas4->setText(QStringLiteral("old"));
    QTest::mouseClick(window_->cmdMedidas2, Qt::LeftButton);
    QCOMPARE(window_->txtMedidas3->text(), QStringLiteral("1"));
    QCOMPARE(window_->txtMedidas4->text(), QStringLiteral("old"));
    QVERIFY(messages_.empty());
}

void DistancesPage::aValueBeyondTheDoubleRangeStopsBothConverters() {
    window_->txtMedidas1->setText(QStringLiteral("1E+307"));
    pick(window_->comMedidas1, QStringLiteral("Yardas"));
    pick(window_->comMedidas2, QStringLiteral("Centímetros"));
    window_->txtMedidas2->setText(QStringLiteral("2.54"));
    QTest::mouseClick(window_->cmdMedidas1, Qt::LeftButton);
    QCOMPARE(window_->txtMedidas1->text(), QStringLiteral("1E+307"));
    QCOMPARE(window_->txtMedidas2->text(), QStringLiteral("2.54"));
    QCOMPARE(messages_.size(), std::size_t{1});
    QVERIFY(messages_.back() == numtext::floatingPointFault());

    window_->txtMedidas3->setText(QStringLiteral("2E+300"));
    pick(window_->comMedidas3, QStringLiteral("Unidades Astronómicas"));
    pick(window_->comMedidas4, QStringLiteral("Kilómetros"));
    window_->txtMedidas4->setText(QStringLiteral("5"));
    QTest::mouseClick(window_->cmdMedidas2, Qt::LeftButton);
    QCOMPARE(window_->txtMedidas3->text(), QStringLiteral("2E+300"));
    QCOMPARE(window_->txtMedidas4->text(), QStringLiteral("5"));
    QCOMPARE(messages_.size(), std::size_t{2});
    QVERIFY(messages_.back() == numtext::floatingPointFault());
}

// Without a recording sink the window shows a real QMessageBox: warning icon, the range title.
void DistancesPage::theFaultIsARealWarningBox() {
    window_->setMessageSink(nullptr);
    window_->txtMedidas3->setText(QStringLiteral("6E+294"));
    pick(window_->comMedidas3, QStringLiteral("Parsecs"));
    pick(window_->comMedidas4, QStringLiteral("Años Luz"));
    window_->txtMedidas4->setText(QStringLiteral("5"));

    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()));
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        seen = true;
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    window_->cmdMedidas2->click();

    QVERIFY(seen);
    QCOMPARE(title, QStringLiteral("Valor fuera de rango"));
    QCOMPARE(text, QString::fromStdString(numtext::floatingPointFault().text));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(window_->txtMedidas3->text(), QStringLiteral("6E+294"));
    QCOMPARE(window_->txtMedidas4->text(), QStringLiteral("5"));
}

QTEST_MAIN(DistancesPage)
#include "tst_distances.moc"
