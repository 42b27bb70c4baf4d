// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the program colours itself reads on what is painted behind it, by 4.5 : 1 at least,
// in a light and in a dark theme and after a switch from one to the other while the windows are
// open; the light theme keeps the designed colours where they already read. Measured on the
// rendered windows: the background is the pixel beside the text, the text its strongest pixel.
#include "about/frmabout.h"
#include "helpers/window_test.h"
#include "platform/theme.h"

#include <QLabel>
#include <QStatusBar>
#include <QTabBar>

namespace {

using theme::contrastRatio;

struct Seen {
    QString what;
    QColor colour;     // the colour the program gave the text
    QColor background; // the pixel beside it, as painted
    QColor strongest;  // the pixel of the text that stands out most, as painted
};

// What `window` shows inside `area` (in the coordinates of `inside`): the background at `blank`,
// a point of the area where no text is drawn, and the strongest pixel of the area.
Seen look(const QImage& shot, QWidget* window, QWidget* inside, const QRect& area, QPoint blank,
          const QString& what, const QColor& colour) {
    const QPoint origin = inside->mapTo(window, area.topLeft());
    const qreal ratio = shot.devicePixelRatio();
    const auto at = [&](QPoint p) {
        return shot.pixelColor((QPointF(origin + p) * ratio).toPoint());
    };
    Seen seen{what, colour, at(blank), {}};
    double best = 0;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            if (const QColor pixel = at({x, y}); contrastRatio(pixel, seen.background) > best) {
                best = contrastRatio(pixel, seen.background);
                seen.strongest = pixel;
            }
    return seen;
}

QList<Seen> coloured(frmPrincipal& window) {
    const QImage shot = window.grab().toImage();
    QList<Seen> all;
    QTabBar* strip = window.tabFichas->tabBar();
    for (int i = 0; i < strip->count(); ++i) {
        const QRect tab = strip->tabRect(i);
        all << look(shot, &window, strip, tab.adjusted(4, 3, -4, -3), {2, tab.height() / 2 - 3},
                    strip->tabText(i), strip->tabTextColor(i));
    }
    for (QLabel* label : {window.labHorasyGrados, window.labMedidas, window.labTemperaturas,
                          window.labAvisoRocio}) {
        window.tabFichas->setCurrentWidget(label->parentWidget());
        const QImage page = window.grab().toImage();
        all << look(page, &window, label, label->rect(), {1, 1}, label->objectName(),
                    label->palette().color(QPalette::WindowText));
    }
    window.tabFichas->setCurrentIndex(0);
    return all;
}

QList<Seen> coloured(frmAbout& about) {
    const QImage shot = about.grab().toImage();
    QList<Seen> all;
    for (QLabel* label : {about.lblTitle, about.lblVersion, about.Label1, about.Label2,
                          about.Label3, about.Label4, about.Label5})
        all << look(shot, &about, label, label->rect(), {label->width() - 1, 0},
                    label->objectName(), label->palette().color(QPalette::WindowText));
    return all;
}

void expectReadable(const QList<Seen>& all) {
    for (const Seen& seen : all) {
        const double designed = contrastRatio(seen.colour, seen.background);
        QVERIFY2(designed >= theme::readableContrast,
                 qPrintable(QStringLiteral("%1: %2 on %3, %4 : 1")
                                .arg(seen.what, seen.colour.name(), seen.background.name())
                                .arg(designed)));
        // And the text is drawn in it: its strongest pixel is about as far from the background (a
        // thin face has few pixels that the smoothing of its edges leaves whole).
        QVERIFY2(contrastRatio(seen.strongest, seen.background) >= designed * 0.9,
                 qPrintable(seen.what + ": drawn as " + seen.strongest.name()));
    }
}

QPalette lightPalette() {
    return QApplication::style()->standardPalette();
}

// A dark theme as the desktop gives one: light text on a dark grey window.
QPalette darkPalette() {
    return QPalette(QColor(53, 53, 53));
}

// Sets the application's palette as a desktop's change of theme does, and lets it reach `window`
// (Qt hands it on through posted events).
void switchTo(const QPalette& palette, QWidget* window) {
    QApplication::setPalette(palette);
    QTRY_COMPARE(window->palette().color(QPalette::Window), palette.color(QPalette::Window));
    QCoreApplication::processEvents();
}

} // namespace

class ThemeTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QApplication::setPalette(lightPalette());
        QCoreApplication::processEvents();
    }

    void theRuleOfTheNearestColour() {
        // A colour that reads stays; one that does not moves the least it must, keeping its hue.
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

    void mainWindowInEveryTheme() {
        QApplication::setPalette(lightPalette());
        apptest::Window window;
        window.txtCelsius->setText("20");
        window.cmdCelsius->click(); // a dew-point warning to read
        QCOMPARE(window.labAvisoRocio->text(), QStringLiteral("Formación de rocío"));
        const QList<Seen> light = coloured(window);
        expectReadable(light);
        // The designed colours that already read in the light theme.
        for (const Seen& seen : light)
            if (seen.what != "labAvisoRocio")
                QCOMPARE(seen.colour, QColor(64, 64, 64));

        switchTo(darkPalette(), &window); // while the window is open
        const QList<Seen> dark = coloured(window);
        expectReadable(dark);
        QVERIFY(dark[0].colour.lightness() > 128);
        switchTo(lightPalette(), &window);
        QCOMPARE(coloured(window)[0].colour, QColor(64, 64, 64));
    }

    void aboutWindowInEveryTheme() {
        QApplication::setPalette(lightPalette());
        frmAbout about(about::SysInfoServices{});
        about.show();
        const QList<Seen> light = coloured(about);
        expectReadable(light);
        QCOMPARE(about.lblTitle->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QCOMPARE(about.Label1->palette().color(QPalette::WindowText), QColor(64, 64, 64));

        switchTo(darkPalette(), &about);
        expectReadable(coloured(about));
        switchTo(lightPalette(), &about);
        QCOMPARE(about.lblTitle->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    }

    // The NUM panel is no text to read but an indicator: while Num Lock is off it stays dimmer
    // than the bar's own text, yet visible, in both themes and after a switch.
    void numPanelStaysDimmed() {
        QApplication::setPalette(lightPalette());
        apptest::Window window;
        for (const QPalette& palette : {lightPalette(), darkPalette()}) {
            switchTo(palette, &window);
            const QColor bar = window.StatusBar->palette().color(QPalette::Window);
            const QColor on = window.StatusBar->palette().color(QPalette::WindowText);
            const QColor shown = window.labNum->palette().color(QPalette::WindowText);
            if (window.labNum->font().bold()) {
                QCOMPARE(shown, on);
            } else {
                QVERIFY2(contrastRatio(shown, bar) >= 1.5, qPrintable(shown.name()));
                QVERIFY2(contrastRatio(shown, bar) * 1.5 <= contrastRatio(on, bar),
                         qPrintable(shown.name()));
            }
        }
    }
};

QTEST_MAIN(ThemeTest)
#include "tst_theme.moc"
