#include "app/frmprincipal.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarabel"));
    frmPrincipal window;
    window.show();
    return app.exec();
}
