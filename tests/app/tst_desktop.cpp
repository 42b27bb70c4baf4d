// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a desktop: the main window as it opens (named controls, opening texts, focus
// ring); what a screen reader says; the window at the scale of the run (1x, 1.5x and 2x by
// QT_SCALE_FACTOR): every text fits, nothing overlaps, pictures get pixels for the scale; and text
// colours that read on their background (4.5 : 1) in a light and a dark theme, switched while open.
#include "about/frmabout.h"
#include "app/icons.h"
#include "helpers/window_test.h"
#include "platform/theme.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <algorithm>
#include <map>

using theme::contrastRatio;

namespace {

using apptest::names;

// The controls of each page in the order of the form.
const QStringList pages[] = {
    names("txtGrados1 txtMinutos1 txtSegundos1 cmdGradosDecASexa cmdGradosSexADec txtGrados2 "
          "cmdCopiar1 cmdPegar1 txtHoras1 txtMinutos2 txtSegundos2 cmdHorasDecASex cmdHorasSexADec "
          "txtHoras2 comGrados3 cmdCopiar2 cmdPegar2 txtGrados3 comGrados1 cmdDecADec1 txtGrados4 "
          "comGrados2 txtHoras3 comHoras1 cmdDecADec2 txtHoras4 comHoras2"),
    names("txtMedidas1 comMedidas1 cmdMedidas1 txtMedidas2 comMedidas2 txtMedidas3 comMedidas3 "
          "cmdMedidas2 txtMedidas4 comMedidas4 cmdPegar3 cmsCopiar3"),
    names("txtCelsius cmdCelsius txtFahrenheit cmdFahrenheit txtKelvin cmdKelvin sldHumedad")};

// The name the focus ring uses for a widget: the tab strip stands for the tab control.
QString focusName(QWidget* widget) {
    if (qobject_cast<QTabBar*>(widget))
        return widget->parentWidget()->objectName();
    return widget ? widget->objectName() : QStringLiteral("<none>");
}

// Where a label draws its text, as one line. The NUM panel is measured bold, as it is while
// Num Lock is on.
QRect textRect(QLabel* label) {
    QFont font = label->font();
    font.setBold(font.bold() || label->objectName() == QLatin1String("labNum"));
    const QFontMetrics metrics(font);
    return QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                               {metrics.horizontalAdvance(label->text()), metrics.height()},
                               label->contentsRect());
}

// A name a reader can speak is words, not "=", an arrow or "º". On Linux Qt speaks a unit list's
// text as its name and what it qualifies from its description; a read-out label speaks its value
// and says what it is in its description.
bool hasSpokenName(QWidget* control) {
    if (qobject_cast<QLabel*>(control) && !control->accessibleDescription().isEmpty())
        return true;
    const QString name = QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    return std::count_if(name.begin(), name.end(), [](QChar c) { return c.isLetter(); }) >= 2;
}

// Labels and buttons hold their texts or pictures; a unit list shows every entry whole in what
// its line edit draws in (less 2 px a side and a pixel for the caret).
bool textFits(QWidget* control) {
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->wordWrap() || label->contentsRect().contains(textRect(label));
    if (auto* button = qobject_cast<QPushButton*>(control))
        return (button->text().isEmpty()
                    ? button->iconSize().width()
                    : button->fontMetrics().horizontalAdvance(button->text())) <=
               button->contentsRect().width();
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        const QLineEdit* edit = list->lineEdit();
        const int room = edit->contentsRect().marginsRemoved(edit->textMargins()).width() - 5;
        for (int i = 0; i < list->count(); ++i)
            if (edit->fontMetrics().horizontalAdvance(list->itemText(i)) > room)
                return false;
    }
    return true;
}

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

class DesktopTest : public QObject {
    Q_OBJECT

    apptest::Window window_; // as it opened until everyPart
    frmAbout about_{about::SysInfoServices{}, &window_};

private slots:
    void initTestCase() {
        QVERIFY(QTest::qWaitForWindowExposed(&window_));
        // The scale the suite asked for is the one the window is drawn at.
        const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        QCOMPARE(window_.devicePixelRatioF(), scale);
        QCOMPARE(window_.grab().size(), window_.size() * scale);
    }

    void cleanup() { // back to the light theme
        QApplication::setPalette(QApplication::style()->standardPalette());
        QCoreApplication::processEvents();
    }

    // Other tools find controls by name: each name once in the window, on the kind of object its
    // first three letters say.
    void everyControlByNameAndKind() {
        const QStringList all =
            pages[0] + pages[1] + pages[2] +
            names("cmdLimpiar tabFichas cmdSalir StatusBar mnuFunciones mnuHoras mnuDistancias "
                  "mnuTemperatura mnuDivision1 mnuSalir mnuAcercaDe labNum labHorasyGrados "
                  "labHoras1 labMinutos2 labSegundos2 labGrados1 labMinutos1 labSegundos1 "
                  "labGrados2 labMedidas labTemperaturas labCelcius labFahrenheit labKelvin "
                  "labHumedad1 labHumedad labRocio1 labRocio labAvisoRocio");
        const std::map<QString, const char*> kinds{
            {"txt", "QLineEdit"},   {"com", "QComboBox"},  {"cmd", "QPushButton"},
            {"cms", "QPushButton"}, {"lab", "QLabel"},     {"mnu", "QAction"},
            {"sld", "QSlider"},     {"tab", "QTabWidget"}, {"Sta", "QStatusBar"}};
        for (const QString& name : all) {
            const char* kind = name == "mnuFunciones" ? "QMenu" : kinds.at(name.left(3));
            const QList<QObject*> found = window_.findChildren<QObject*>(name);
            QVERIFY2(found.size() == 1 && found.first()->inherits(kind), qPrintable(name));
        }
    }

    void openingTexts() {
        QCOMPARE(window_.tabFichas->currentIndex(), 0);
        for (const QString& name : apptest::textFields)
            QVERIFY2(window_.controlText(name).isEmpty(), qPrintable(name));
        QCOMPARE(window_.texts({"labHumedad", "labRocio", "labAvisoRocio"}),
                 QStringList({"50 %", "-", ""}));
        // Enter presses nothing until a field chooses a button; no button takes Enter for itself.
        QCOMPARE(window_.defaultButton(), nullptr);
        for (QPushButton* button : window_.centralWidget()->findChildren<QPushButton*>())
            QVERIFY2(!button->isDefault() && !button->autoDefault(),
                     qPrintable(button->objectName()));
    }

    // From the control the window opens on, Tab visits the current page only, in the order of the
    // form, and comes back round; Shift+Tab walks the same ring backwards.
    void focusRing() {
        for (int page = 0; page < 3; ++page) {
            apptest::Window window;
            window.tabFichas->setCurrentIndex(page);
            const auto ring = names("cmdLimpiar tabFichas") + pages[page] + names("cmdSalir");
            for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
                QStringList visited{focusName(QApplication::focusWidget())};
                while (visited.size() <= ring.size()) {
                    QTest::keyClick(QApplication::focusWidget(), key);
                    visited << focusName(QApplication::focusWidget());
                }
                if (key == Qt::Key_Backtab) // the same ring the other way round
                    std::reverse(visited.begin(), visited.end());
                QCOMPARE(visited, ring + ring.first(1));
            }
        }
    }

    // Every part of the window at the scale of this run (the pages, the controls below them, the
    // status bar, the About window): each control has a spoken name and holds its text, and no
    // two controls of a part draw over each other, a label only where its text is.
    void everyPart() {
        const auto inkOf = [](QWidget* control) {
            auto* label = qobject_cast<QLabel*>(control);
            return (label ? textRect(label) : control->rect()).translated(control->pos());
        };
        for (QWidget* part :
             QList<QWidget*>{window_.tabFichas->widget(0), window_.tabFichas->widget(1),
                             window_.tabFichas->widget(2), window_.centralWidget(),
                             window_.StatusBar, &about_}) {
            about_.setVisible(part == &about_);
            window_.tabFichas->setCurrentWidget(part); // left alone for what is not a page
            QList<QWidget*> controls = part->findChildren<QWidget*>(QRegularExpression("^(?!qt_)."),
                                                                    Qt::FindDirectChildrenOnly);
            controls.removeIf(std::mem_fn(&QWidget::isHidden));
            QVERIFY(!controls.isEmpty());
            for (qsizetype a = 0; a < controls.size(); ++a) {
                const QString name = controls[a]->objectName();
                QVERIFY2(hasSpokenName(controls[a]), qPrintable(name));
                QVERIFY2(textFits(controls[a]), qPrintable(name));
                for (qsizetype b = a + 1; b < controls.size(); ++b)
                    QVERIFY2(!inkOf(controls[a]).intersects(inkOf(controls[b])),
                             qPrintable(name + " / " + controls[b]->objectName()));
            }
        }
        about_.hide();
    }

    // Pictures are drawn for each scale, never a 16 or 32 px image stretched up.
    void picturesHavePixelsForEveryScale() {
        for (qreal scale : {1.0, 1.25, 1.5, 2.0, 3.0})
            for (const QIcon& icon : {icons::copyIcon(), icons::pasteIcon(), icons::windowIcon()}) {
                const QPixmap pixmap = icon.pixmap(QSize(16, 16), scale);
                QCOMPARE(pixmap.size(), QSize(16, 16) * scale);
                QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(16, 16));
            }
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
        about_.show();
        const QList<QLabel*> labels{about_.lblTitle, about_.Label1, about_.Label5};
        expectReadable(labels);
        QCOMPARE(about_.lblTitle->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        switchTo(dark, &about_);
        expectReadable(labels);
        switchTo(QApplication::style()->standardPalette(), &about_);
        QCOMPARE(about_.lblTitle->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
