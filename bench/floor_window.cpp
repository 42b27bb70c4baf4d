// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's floor for the start-up benchmark: the least a Qt 6 Widgets window of the
// program's kind needs (a menu bar with a menu, a tab widget with three pages, a status bar).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Suelo"));
    window.menuBar()->addMenu(QStringLiteral("&Funciones"))->addAction(QStringLiteral("&Salir"));
    auto* tabs = new QTabWidget(&window);
    for (const char* page : {"&Uno", "&Dos", "&Tres"})
        tabs->addTab(new QLabel(QStringLiteral("-")), QString::fromLatin1(page));
    window.setCentralWidget(tabs);
    window.statusBar()->showMessage(QStringLiteral("NUM"));
    window.resize(476, 300);
    window.show();
    return app.exec();
}
