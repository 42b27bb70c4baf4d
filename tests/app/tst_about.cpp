// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: opened modally from the main window, loaded afresh each time and closed with
// Escape. Its button: tst_sysinfo.
#include "about/frmabout.h"
#include "helpers/window_test.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>

class tst_about : public QObject {
    Q_OBJECT

private slots:
    void opensFreshEachTime() {
        apptest::Window window;
        for (int opening = 0; opening < 2; ++opening) {
            QPointer<frmAbout> opened;
            QVERIFY(apptest::whileModal(
                [&] { window->mnuAcercaDe->trigger(); },
                [&](QWidget* modal) {
                    opened = qobject_cast<frmAbout*>(modal);
                    QVERIFY(opened);
                    QCOMPARE(opened->windowTitle(), QStringLiteral("Tarabel"));
                    // project(VERSION) of CMakeLists.txt; a release changes it here, and only here.
                    QCOMPARE(opened->lblVersion->text(), QStringLiteral("Versión 1.2"));
                    QVERIFY(opened->txtTexto->toPlainText().startsWith("Tarabel: programa"));
                    opened->lblVersion->setText("cambiado"); // the next opening loads again
                    QTest::keyClick(opened->focusWidget(), Qt::Key_Escape);
                    QVERIFY(!opened->isVisible());
                }));
            QVERIFY(opened.isNull()); // the closed window is gone
        }
    }
};

QTEST_MAIN(tst_about)
#include "tst_about.moc"
