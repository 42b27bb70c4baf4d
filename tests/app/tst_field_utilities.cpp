// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The services around the conversions on the real window: select-on-focus and the button Enter
// presses, copy and paste through the clipboard, and Limpiar.
#include "helpers/window_test.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QSlider>

using apptest::focusOn;
using apptest::typeAndEnter;

class FieldUtilities : public QObject {
    Q_OBJECT

private slots:
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
        focusOn(field);
        QCOMPARE(field->selectedText(), QStringLiteral("12"));
        QCOMPARE(window.defaultButton(), expected);
        QVERIFY(expected->isDefault());
        QSignalSpy clicks(expected, &QPushButton::clicked);
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(clicks.count(), 2);
    }

    // The result fields of the unit change keep the button chosen before, none at start-up; Enter
    // in a unit list converts again from the source.
    void enterInAResultField() {
        apptest::Window window;
        typeAndEnter(window.txtHoras4, "7");
        QCOMPARE(window.defaultButton(), nullptr);
        QCOMPARE(window.texts({"txtHoras3", "txtHoras4"}), QStringList({"", "7"}));
        window.txtMedidas1->setText("2");
        focusOn(window.txtMedidas1);
        focusOn(window.comMedidas2);
        QTest::keyClick(window.comMedidas2, Qt::Key_Return);
        QCOMPARE(window.txtMedidas2->text(), QStringLiteral("0.7874"));
    }

    // A click into a field selects all it holds too, though the press places the caret after
    // the focus arrives.
    void aClickSelectsTheWholeText() {
        apptest::Window window;
        window.txtHoras2->setText("12.5");
        QTest::mouseClick(window.txtHoras2, Qt::LeftButton, {}, QPoint(4, 8));
        QTRY_COMPARE(window.txtHoras2->selectedText(), QStringLiteral("12.5"));
        QCOMPARE(window.defaultButton(), window.cmdHorasDecASex);
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

    // Limpiar, here by Enter on it while a field's button is the default: a push button with the
    // focus takes Enter itself.
    void clearFollowsTheSlider() {
        apptest::Window window;
        for (const QString& name : apptest::textFields)
            window.get(name)->setText("9");
        focusOn(window.sldHumedad);
        QTest::keyClick(window.sldHumedad, Qt::Key_PageUp);
        window.labHumedad->clear();
        focusOn(window.txtGrados1);
        QSignalSpy conversions(window.cmdGradosSexADec, &QPushButton::clicked);
        focusOn(window.cmdLimpiar);
        QTest::keyClick(window.cmdLimpiar, Qt::Key_Return);
        QCOMPARE(conversions.count(), 0);
        for (const QString& name : apptest::textFields)
            QVERIFY2(window.get(name)->text().isEmpty(), qPrintable(name));
        QCOMPARE(window.texts({"labHumedad", "labRocio", "labAvisoRocio"}),
                 QStringList({"60 %", "-", "-"}));
    }
};

QTEST_MAIN(FieldUtilities)
#include "tst_field_utilities.moc"
