// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmprincipal.h"
#include "app/icons.h"
#include "app/qttranslations.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarabel"));
    // Ties the windows to the installed desktop entry (the Wayland app id; docks and task
    // switchers find the entry's name and icon by it).
    QApplication::setDesktopFileName(QStringLiteral(TARABEL_APP_ID));
    QApplication::setWindowIcon(icons::windowIcon());
    // Qt's own texts (Aceptar, Deshacer, Copiar, Pegar...) follow the user's language.
    installQtTranslations(QLocale::system());
    frmPrincipal window;
    window.show();
    return app.exec();
}
