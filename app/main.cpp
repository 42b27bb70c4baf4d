#include "app/frmprincipal.h"
#include "app/icons.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarabel"));
    QApplication::setWindowIcon(icons::windowIcon());
    frmPrincipal window;
    window.show();
    return app.exec();
}
