// The services around the conversions, on the real window: select-on-focus and the button Enter
// presses, copy and paste through the clipboard, Limpiar, the page menus and exit; and the degree
// row clicked and entered through its widgets.
#include "app/frmprincipal.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTabWidget>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(numtext::NumberLocale)

class FieldUtilities : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { window_.reset(); }

    void degreeRowThroughItsWidgets_data();
    void degreeRowThroughItsWidgets();
    void focusChoosesTheButtonEnterPresses_data();
    void focusChoosesTheButtonEnterPresses();
    void enterFollowsTheLastFieldThatChoseAButton();
    void enterOnAPushButtonPressesThatButton();
    void focusSelectsTheWholeText();
    void copyAndPaste();
    void pasteOfNoTextEmptiesTheField();
    void clearEmptiesEveryFieldAndFollowsTheSlider();
    void pageMenusAndExit();

private:
    QLineEdit* field(const char* name) const { return window_->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) const { return window_->findChild<QPushButton*>(name); }
    void focus(QLineEdit* field);

    std::unique_ptr<frmPrincipal> window_;
    int messages_ = 0;
};

void FieldUtilities::init() {
    messages_ = 0;
    window_ = std::make_unique<frmPrincipal>();
    window_->setNumberLocale(numtext::fullStopLocale);
    window_->setMessageSink([this](const numtext::Message&) { ++messages_; });
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void FieldUtilities::focus(QLineEdit* field) {
    window_->tabFichas->setCurrentWidget(field->parentWidget());
    field->setFocus(Qt::TabFocusReason);
    QVERIFY(field->hasFocus());
}

void FieldUtilities::degreeRowThroughItsWidgets_data() {
    QTest::addColumn<numtext::NumberLocale>("locale");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("zeroSeconds");
    QTest::newRow("full stop") << numtext::fullStopLocale << "1.5"
                               << "12.025"
                               << "0.00";
    QTest::newRow("comma") << numtext::commaLocale << "1,5"
                           << "12,025"
                           << "0,00";
}

void FieldUtilities::degreeRowThroughItsWidgets() {
    QFETCH(numtext::NumberLocale, locale);
    QFETCH(QString, minutes);
    QFETCH(QString, decimal);
    QFETCH(QString, zeroSeconds);
    window_->setNumberLocale(locale);

    QTest::keyClicks(window_->txtGrados1, "12");
    QTest::keyClicks(window_->txtMinutos1, minutes);
    QTest::keyClicks(window_->txtSegundos1, "abc");
    QTest::mouseClick(window_->cmdGradosSexADec, Qt::LeftButton);
    QCOMPARE(window_->txtSegundos1->text(), QStringLiteral("0"));
    QCOMPARE(window_->txtGrados2->text(), decimal);

    // 0.999999999 degrees: the seconds round up to 60 and carry all the way into the degrees.
    focus(window_->txtGrados2);
    QTest::keyClicks(window_->txtGrados2, QString("0.999999999").replace(".", minutes.mid(1, 1)));
    QTest::keyClick(window_->txtGrados2, Qt::Key_Return);
    QCOMPARE(window_->txtGrados1->text(), QStringLiteral("1"));
    QCOMPARE(window_->txtMinutos1->text(), QStringLiteral("0"));
    QCOMPARE(window_->txtSegundos1->text(), zeroSeconds);
    QCOMPARE(messages_, 0);
}

void FieldUtilities::focusChoosesTheButtonEnterPresses_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("button");
    const char* rows[][2] = {
        {"txtGrados1", "cmdGradosSexADec"},   {"txtMinutos1", "cmdGradosSexADec"},
        {"txtSegundos1", "cmdGradosSexADec"}, {"txtGrados2", "cmdGradosDecASexa"},
        {"txtHoras1", "cmdHorasSexADec"},     {"txtMinutos2", "cmdHorasSexADec"},
        {"txtSegundos2", "cmdHorasSexADec"},  {"txtHoras2", "cmdHorasDecASex"},
        {"txtGrados3", "cmdDecADec1"},        {"txtHoras3", "cmdDecADec2"},
        {"txtMedidas1", "cmdMedidas1"},       {"txtMedidas2", "cmdMedidas1"},
        {"txtMedidas3", "cmdMedidas2"},       {"txtMedidas4", "cmdMedidas2"},
        {"txtCelsius", "cmdCelsius"},         {"txtFahrenheit", "cmdFahrenheit"},
        {"txtKelvin", "cmdKelvin"},
    };
    for (const auto& row : rows)
        QTest::newRow(row[0]) << row[0] << row[1];
}

void FieldUtilities::focusChoosesTheButtonEnterPresses() {
    QFETCH(QString, field);
    QFETCH(QString, button);
    auto* edit = window_->findChild<QLineEdit*>(field);
    auto* expected = window_->findChild<QPushButton*>(button);
    QVERIFY(!window_->defaultButton());
    focus(edit);
    QCOMPARE(window_->defaultButton(), expected);
    QVERIFY(expected->isDefault());

    QSignalSpy clicks(expected, &QPushButton::clicked);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(clicks.count(), 2);
}

// The result fields of the unit change keep the button chosen before; at start-up there is none.
void FieldUtilities::enterFollowsTheLastFieldThatChoseAButton() {
    focus(window_->txtHoras4);
    QTest::keyClicks(window_->txtHoras4, "7");
    QTest::keyClick(window_->txtHoras4, Qt::Key_Return);
    QVERIFY(!window_->defaultButton());
    QCOMPARE(window_->txtHoras3->text(), QString());
    QCOMPARE(window_->txtHoras4->text(), QStringLiteral("7"));

    focus(window_->txtGrados3);
    QTest::keyClicks(window_->txtGrados3, "1.5");
    focus(window_->txtGrados4);
    QTest::keyClick(window_->txtGrados4, Qt::Key_Return);
    QCOMPARE(window_->txtGrados4->text(), QStringLiteral("90.00"));

    // Enter in a result field converts again from the source field of its row.
    focus(window_->txtMedidas1);
    QTest::keyClicks(window_->txtMedidas1, "1");
    focus(window_->txtMedidas2);
    QTest::keyClick(window_->txtMedidas2, Qt::Key_Return);
    QCOMPARE(window_->txtMedidas2->text(), QStringLiteral("0.3937"));

    // The default button survives a page switch; Enter in a unit list presses it too.
    window_->mnuHoras->trigger();
    window_->comGrados1->setFocus();
    QSignalSpy clicks(window_->cmdMedidas1, &QPushButton::clicked);
    QTest::keyClick(window_->comGrados1, Qt::Key_Return);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(window_->comGrados1->count(), 3);
}

void FieldUtilities::enterOnAPushButtonPressesThatButton() {
    focus(window_->txtGrados1);
    QTest::keyClicks(window_->txtGrados1, "12");
    window_->cmdLimpiar->setFocus();
    QSignalSpy conversions(window_->cmdGradosSexADec, &QPushButton::clicked);
    QTest::keyClick(window_->cmdLimpiar, Qt::Key_Return);
    QCOMPARE(conversions.count(), 0);
    QCOMPARE(window_->txtGrados1->text(), QString());
}

void FieldUtilities::focusSelectsTheWholeText() {
    window_->txtMinutos1->setText("12");
    focus(window_->txtGrados1);
    QTest::keyClick(window_->txtGrados1, Qt::Key_Tab);
    QVERIFY(window_->txtMinutos1->hasFocus());
    QCOMPARE(window_->txtMinutos1->selectedText(), QStringLiteral("12"));
    QTest::keyClicks(window_->txtMinutos1, "3");
    QCOMPARE(window_->txtMinutos1->text(), QStringLiteral("3"));

    // A click into the field must not undo the selection by placing the caret.
    window_->txtHoras2->setText("12.5");
    QTest::mouseClick(window_->txtHoras2, Qt::LeftButton, {}, QPoint(4, 8));
    QTRY_COMPARE(window_->txtHoras2->selectedText(), QStringLiteral("12.5"));
    QCOMPARE(window_->defaultButton(), window_->cmdHorasDecASex);
}

void FieldUtilities::copyAndPaste() {
    QClipboard* clipboard = QApplication::clipboard();
    window_->txtGrados2->setText("12.5");
    window_->cmdCopiar1->click();
    QCOMPARE(clipboard->text(), QStringLiteral("12.5"));
    QVERIFY(window_->txtGrados2->hasFocus());
    QCOMPARE(window_->txtGrados2->selectedText(), QStringLiteral("12.5"));
    QCOMPARE(window_->defaultButton(), window_->cmdGradosDecASexa);

    window_->cmdPegar2->click();
    QCOMPARE(window_->txtHoras2->text(), QStringLiteral("12.5"));
    QCOMPARE(window_->txtHoras2->selectedText(), QStringLiteral("12.5"));
    QCOMPARE(window_->defaultButton(), window_->cmdHorasDecASex);

    // No number test on paste: the next conversion judges the text.
    clipboard->setText("abc");
    window_->tabFichas->setCurrentIndex(1);
    window_->cmdPegar3->click();
    QCOMPARE(window_->txtMedidas3->text(), QStringLiteral("abc"));
    QCOMPARE(window_->defaultButton(), window_->cmdMedidas2);

    // An empty field copies the empty text.
    window_->cmsCopiar3->click();
    QCOMPARE(clipboard->text(), QString());
    window_->cmdPegar3->click();
    QCOMPARE(window_->txtMedidas3->text(), QString());
    QCOMPARE(messages_, 0);
}

void FieldUtilities::pasteOfNoTextEmptiesTheField() {
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QApplication::clipboard()->setImage(picture);
    window_->txtGrados2->setText("12.5");
    window_->cmdPegar1->click();
    QCOMPARE(window_->txtGrados2->text(), QString());
}

void FieldUtilities::clearEmptiesEveryFieldAndFollowsTheSlider() {
    const auto fields = window_->findChildren<QLineEdit*>();
    for (auto* edit : fields)
        edit->setText("9");
    window_->comMedidas1->setEditText("Pies");
    window_->mnuTemperatura->trigger();
    window_->sldHumedad->setFocus();
    QTest::keyClick(window_->sldHumedad, Qt::Key_PageUp);
    QCOMPARE(window_->sldHumedad->value(), 60);
    focus(window_->txtKelvin);

    window_->cmdLimpiar->click();
    int emptied = 0;
    for (const char* name :
         {"txtCelsius", "txtFahrenheit", "txtGrados1", "txtGrados2", "txtGrados3", "txtGrados4",
          "txtHoras1", "txtHoras2", "txtHoras3", "txtHoras4", "txtKelvin", "txtMedidas1",
          "txtMedidas2", "txtMedidas3", "txtMedidas4", "txtMinutos1", "txtMinutos2", "txtSegundos1",
          "txtSegundos2"}) {
        QVERIFY2(field(name)->text().isEmpty(), name);
        ++emptied;
    }
    QCOMPARE(emptied, 19);
    QCOMPARE(window_->labRocio->text(), QStringLiteral("-"));
    QCOMPARE(window_->labAvisoRocio->text(), QStringLiteral("-"));
    QCOMPARE(window_->labHumedad->text(), QStringLiteral("60 %"));
    QCOMPARE(window_->sldHumedad->value(), 60);
    QCOMPARE(window_->comMedidas1->currentText(), QStringLiteral("Pies"));
    QCOMPARE(window_->tabFichas->currentIndex(), 2);
    QCOMPARE(window_->defaultButton(), window_->cmdKelvin);
}

void FieldUtilities::pageMenusAndExit() {
    window_->mnuDistancias->trigger();
    QCOMPARE(window_->tabFichas->currentIndex(), 1);
    window_->mnuTemperatura->trigger();
    QCOMPARE(window_->tabFichas->currentIndex(), 2);
    window_->mnuHoras->trigger();
    QCOMPARE(window_->tabFichas->currentIndex(), 0);

    // Closing the one window ends the program: nothing else is left open.
    window_->mnuSalir->trigger();
    QVERIFY(!window_->isVisible());
    for (auto* widget : QApplication::topLevelWidgets())
        QVERIFY(!widget->isVisible());

    window_->show();
    window_->cmdSalir->click();
    QVERIFY(!window_->isVisible());
    window_->show();
    QVERIFY(window_->close()); // the close box asks nothing
}

QTEST_MAIN(FieldUtilities)
#include "tst_field_utilities.moc"
