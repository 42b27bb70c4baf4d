// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as it opens: its named controls, opening texts and focus ring.
#include "helpers/window_test.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <algorithm>
#include <map>

namespace {

using apptest::names;

// The controls of each page in the order of the form.
const QStringList pages[] = {
    names("txtGrados1 txtMinutos1 txtSegundos1 cmdGradosDecASexa cmdGradosSexADec txtGrados2 "
          "cmdCopiar1 cmdPegar1 txtHoras1 txtMinutos2 txtSegundos2 cmdHorasDecASex cmdHorasSexADec "
          "txtHoras2 comGrados3 cmdCopiar2 cmdPegar2 txtGrados3 comGrados1 cmdDecADec1 txtGrados4 "
          "comGrados2 txtHoras3 comHoras1 cmdDecADec2 txtHoras4 comHoras2"),
    names("txtMedidas1 comMedidas1 cmdMedidas1 txtMedidas2 comMedidas2 txtMedidas3 comMedidas3 "
          "cmdMedidas2 txtMedidas4 comMedidas4 cmdPegar3 cmsCopiar3"),
    names("txtCelsius cmdCelsius txtFahrenheit cmdFahrenheit txtKelvin cmdKelvin sldHumedad")};

// The name the focus ring uses for a widget: the tab strip stands for the tab control.
QString focusName(QWidget* widget) {
    if (qobject_cast<QTabBar*>(widget))
        return widget->parentWidget()->objectName();
    return widget ? widget->objectName() : QStringLiteral("<none>");
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

    apptest::Window window_; // as it opened; only looked at

private slots:
    // Other tools find controls by name: each name once in the window, on the kind of object its
    // first three letters say.
    void everyControlByNameAndKind() {
        const QStringList all =
            pages[0] + pages[1] + pages[2] +
            names("cmdLimpiar tabFichas cmdSalir StatusBar mnuFunciones mnuHoras mnuDistancias "
                  "mnuTemperatura mnuDivision1 mnuSalir mnuAcercaDe labNum labHorasyGrados "
                  "labHoras1 labMinutos2 labSegundos2 labGrados1 labMinutos1 labSegundos1 "
                  "labGrados2 labMedidas labTemperaturas labCelcius labFahrenheit labKelvin "
                  "labHumedad1 labHumedad labRocio1 labRocio labAvisoRocio");
        const std::map<QString, const char*> kinds{
            {"txt", "QLineEdit"},   {"com", "QComboBox"},  {"cmd", "QPushButton"},
            {"cms", "QPushButton"}, {"lab", "QLabel"},     {"mnu", "QAction"},
            {"sld", "QSlider"},     {"tab", "QTabWidget"}, {"Sta", "QStatusBar"}};
        for (const QString& name : all) {
            const char* kind = name == "mnuFunciones" ? "QMenu" : kinds.at(name.left(3));
            const QList<QObject*> found = window_.findChildren<QObject*>(name);
            QVERIFY2(found.size() == 1 && found.first()->inherits(kind), qPrintable(name));
        }
    }

    void openingTexts() {
        QCOMPARE(window_.tabFichas->currentIndex(), 0);
        QVERIFY(window_.txtGrados1->isVisible());
        for (const QString& name : apptest::textFields)
            QVERIFY2(window_.controlText(name).isEmpty(), qPrintable(name));
        QCOMPARE(window_.texts({"labHumedad", "labRocio", "labAvisoRocio"}),
                 QStringList({"50 %", "-", ""}));
        // Enter presses nothing until a field chooses a button; no button takes Enter for itself.
        QCOMPARE(window_.defaultButton(), nullptr);
        for (QPushButton* button : window_.findChildren<QPushButton*>())
            QVERIFY2(!button->isDefault() && !button->autoDefault(),
                     qPrintable(button->objectName()));
    }

    // From the control the window opens on, Tab visits the current page only, in the order of the
    // form, and comes back round; Shift+Tab walks the same ring backwards.
    void focusRing() {
        for (int page = 0; page < 3; ++page) {
            apptest::Window window;
            window.tabFichas->setCurrentIndex(page);
            const auto ring = names("cmdLimpiar tabFichas") + pages[page] + names("cmdSalir");
            for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
                QStringList visited{focusName(QApplication::focusWidget())};
                while (visited.size() <= ring.size()) {
                    QTest::keyClick(QApplication::focusWidget(), key);
                    visited << focusName(QApplication::focusWidget());
                }
                if (key == Qt::Key_Backtab) // the same ring the other way round
                    std::reverse(visited.begin(), visited.end());
                QCOMPARE(visited, ring + ring.first(1));
            }
        }
    }
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
