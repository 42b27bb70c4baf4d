// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon, drawn by the same code as the window icon, as the PNG files of the
// hicolor icon theme: render_icon <folder> <size>... gives <folder>/<size>.png for each size.
#include "app/icons.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <cstdio>

int main(int argc, char* argv[]) {
    // Pixmaps need a GUI application; the offscreen platform needs no display at build time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: render_icon <folder> <size>...\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QIcon icon = icons::windowIcon();
    for (int i = 2; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QString file = folder.filePath(QString::number(size) + QStringLiteral(".png"));
        const QPixmap picture = icon.pixmap(QSize(size, size), 1.0);
        if (size <= 0 || picture.size() != QSize(size, size) || !picture.save(file, "PNG")) {
            std::fprintf(stderr, "render_icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
