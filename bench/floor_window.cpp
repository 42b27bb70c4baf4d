// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's floor for the start-up benchmarks: a Qt 6 Widgets window of the program's shape
// and nothing of its own (a fixed 476x272 main window, a menu bar, three pages of line edits,
// editable lists, buttons and a slider, a status bar), with the toolkit's default fonts and
// layouts.
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>

namespace {

QWidget* page(int number) {
    auto* widget = new QWidget;
    auto* grid = new QGridLayout(widget);
    for (int i = 0; i < 15; ++i)
        grid->addWidget(new QLineEdit(QString::number(number * 100 + i)), i / 5, i % 5);
    for (int i = 0; i < 4; ++i) {
        auto* list = new QComboBox;
        list->setEditable(true);
        list->addItems({"m", "km", "ft", "mi", "nmi", "in", "cm", "mm"});
        grid->addWidget(list, 3, i);
    }
    for (int i = 0; i < 6; ++i)
        grid->addWidget(new QPushButton(QStringLiteral("B%1").arg(i)), 4 + i / 5, i % 5);
    auto* slider = new QSlider(Qt::Horizontal);
    grid->addWidget(slider, 5, 1, 1, 4);
    return widget;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Suelo"));
    window.menuBar()->addMenu(QStringLiteral("&Opciones"))->addAction(QStringLiteral("&Salir"));
    window.menuBar()->addMenu(QStringLiteral("&Acerca de..."));
    auto* tabs = new QTabWidget;
    for (int i = 0; i < 3; ++i)
        tabs->addTab(page(i), QStringLiteral("&%1").arg(i + 1));
    window.setCentralWidget(tabs);
    window.statusBar()->showMessage(QStringLiteral("NUM"));
    window.setFixedSize(476, 272);
    window.show();
    return app.exec();
}
