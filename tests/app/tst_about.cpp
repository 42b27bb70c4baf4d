// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: opened modally from the main window, loaded afresh each time and closed with
// Escape; with the tool nowhere to be found, its button tells the user in a real box.
#include "about/frmabout.h"
#include "helpers/fake_registry.h"
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

    void unavailableToolShowsAPlainBox() {
        apptest::FakeRegistry registry; // no keys at all
        const auto nothing = [](const std::string&) { return false; };
        frmAbout about({&registry, nothing, nothing, {}});
        about.show();
        QString seen;
        QVERIFY(apptest::whileModal([&] { about.cmdSysInfo->click(); },
                                    [&](QWidget* modal) {
                                        if (auto* box = qobject_cast<QMessageBox*>(modal))
                                            seen = apptest::describe(*box);
                                    }));
        QCOMPARE(seen, "Tarabel | La información del sistema no está disponible en este momento");
        QVERIFY(about.isVisible());
    }
};

QTEST_MAIN(tst_about)
#include "tst_about.moc"
