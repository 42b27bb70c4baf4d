// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The colours the program gives its texts read on their background, by 4.5 : 1 at least, in a
// light and in a dark theme and after a switch while the windows are open.
#include "about/frmabout.h"
#include "helpers/window_test.h"
#include "platform/theme.h"

#include <QLabel>

using theme::contrastRatio;

namespace {

// A dark theme as the desktop gives one: light text on a dark grey window.
const QPalette dark(QColor(53, 53, 53));

void switchTo(const QPalette& palette, QWidget* window) {
    QApplication::setPalette(palette);
    QTRY_COMPARE(window->palette().color(QPalette::Window), palette.color(QPalette::Window));
    QCoreApplication::processEvents();
}

void expectReadable(const QList<QLabel*>& labels) {
    for (QLabel* label : labels) {
        const QColor text = label->palette().color(QPalette::WindowText);
        const QColor back = label->palette().color(QPalette::Window);
        QVERIFY2(contrastRatio(text, back) >= theme::readableContrast,
                 qPrintable(label->objectName() + ": " + text.name() + " on " + back.name()));
    }
}

} // namespace

class ThemeTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QApplication::setPalette(QApplication::style()->standardPalette());
        QCoreApplication::processEvents();
    }

    void theRuleOfTheNearestColour() {
        // A colour that reads stays; one that does not moves the least it must, keeping its hue.
        QCOMPARE(contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(theme::readable(QColor(0, 0, 128), Qt::white), QColor(0, 0, 128));
        const QColor red = theme::readable(QColor(255, 0, 0), QColor(239, 239, 239));
        QVERIFY(contrastRatio(red, QColor(239, 239, 239)) >= 4.5);
        QVERIFY(contrastRatio(red, QColor(239, 239, 239)) < 4.6);
        QCOMPARE(red.hslHue(), 0);
        QVERIFY(red.lightness() < 128); // darker on a light background
        const QColor grey = theme::readable(QColor(64, 64, 64), QColor(53, 53, 53));
        QVERIFY(grey.lightness() > 64 && grey.hslSaturation() == 0); // lighter on a dark one
        QVERIFY(contrastRatio(grey, QColor(53, 53, 53)) < 4.6);
    }

    // The designed colours stay where they read; a dark theme, and the way back, recolour the
    // window while it is open.
    void aboutWindowInEveryTheme() {
        frmAbout about(about::SysInfoServices{});
        about.show();
        const QList<QLabel*> labels{about.lblTitle, about.Label1, about.Label5};
        expectReadable(labels);
        QCOMPARE(about.lblTitle->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        switchTo(dark, &about);
        expectReadable(labels);
        switchTo(QApplication::style()->standardPalette(), &about);
        QCOMPARE(about.lblTitle->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    }
};

QTEST_MAIN(ThemeTest)
#include "tst_theme.moc"
