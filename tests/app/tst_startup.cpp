// The main window as it opens: its frame, controls, texts, lists, menus and keyboard order.
#include "app/frmprincipal.h"
#include "platform/numlock.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <algorithm>
#include <memory>

namespace {

const QString ordinal = QString(QChar(0x00BA)); // "º", never the degree sign U+00B0

const QStringList angleUnits{"Grados", "Minutos", "Segundos"};
const QStringList hourUnits{"Horas", "Minutos", "Segundos"};
const QStringList shortUnits{QStringLiteral("Centímetros"), "Pulgadas", "Pies", "Yardas"};
const QStringList longUnits{QStringLiteral("Kilómetros"), "Millas",
                            QStringLiteral("Unidades Astronómicas"), QStringLiteral("Años Luz"),
                            "Parsecs"};

const QStringList page1Order{"txtGrados1",       "txtMinutos1", "txtSegundos1", "cmdGradosDecASexa",
                             "cmdGradosSexADec", "txtGrados2",  "cmdCopiar1",   "cmdPegar1",
                             "txtHoras1",        "txtMinutos2", "txtSegundos2", "cmdHorasDecASex",
                             "cmdHorasSexADec",  "txtHoras2",   "comGrados3",   "cmdCopiar2",
                             "cmdPegar2",        "txtGrados3",  "comGrados1",   "cmdDecADec1",
                             "txtGrados4",       "comGrados2",  "txtHoras3",    "comHoras1",
                             "cmdDecADec2",      "txtHoras4",   "comHoras2"};
const QStringList page2Order{"txtMedidas1", "comMedidas1", "cmdMedidas1", "txtMedidas2",
                             "comMedidas2", "txtMedidas3", "comMedidas3", "cmdMedidas2",
                             "txtMedidas4", "comMedidas4", "cmdPegar3",   "cmsCopiar3"};
const QStringList page3Order{"txtCelsius", "cmdCelsius", "txtFahrenheit", "cmdFahrenheit",
                             "txtKelvin",  "cmdKelvin",  "sldHumedad"};

std::unique_ptr<frmPrincipal> shownWindow() {
    auto window = std::make_unique<frmPrincipal>();
    window->show();
    QApplication::setActiveWindow(window.get());
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("the window did not become active");
    return window;
}

// The name the focus order uses for a widget: the tab strip stands for the tab control.
QString focusName(frmPrincipal& window, QWidget* widget) {
    if (!widget)
        return QStringLiteral("<none>");
    if (widget == window.tabFichas->tabBar())
        return QStringLiteral("tabFichas");
    return widget->objectName();
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

    std::unique_ptr<frmPrincipal> window_; // left as it opened; only looked at

private slots:
    void initTestCase() { window_ = shownWindow(); }
    void cleanupTestCase() { window_.reset(); }

    void frame();
    void controls_data();
    void controls();
    void startupTexts_data();
    void startupTexts();
    void unitLists_data();
    void unitLists();
    void toolTips_data();
    void toolTips();
    void arrowButtons_data();
    void arrowButtons();
    void pictureButtons_data();
    void pictureButtons();
    void controlsStayOnTheirPage_data();
    void controlsStayOnTheirPage();
    void menus();
    void pages();
    void slider();
    void nothingIsDefault();
    void numLockPanel();
    void initialFocus();
    void focusOrder_data();
    void focusOrder();
    void typedUnitText_data();
    void typedUnitText();
};

void StartupTest::frame() {
    frmPrincipal& w = *window_;
    QCOMPARE(w.objectName(), QStringLiteral("frmPrincipal"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Tarabel"));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    // Client area below the menu bar: 476 x 272, the status bar its bottom 17 px.
    QCOMPARE(w.width(), 476);
    QCOMPARE(w.height() - w.menuBar()->height(), 272);
    QCOMPARE(w.centralWidget()->y(), w.menuBar()->height());
    QCOMPARE(w.StatusBar->geometry(), QRect(0, w.height() - 17, 476, 17));
    QCOMPARE(w.tabFichas->geometry(), QRect(8, 8, 459, 217));

    const Qt::WindowFlags flags = w.windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));

    const QList<QSize> sizes = w.windowIcon().availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));
}

void StartupTest::controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QObject*>("member");
    frmPrincipal& w = *window_;
#define CONTROL(control, Type)                                                                     \
    QTest::newRow(#control) << QStringLiteral(#control)                                            \
                            << QByteArray(Type::staticMetaObject.className())                      \
                            << static_cast<QObject*>(w.control)
    CONTROL(mnuFunciones, QMenu);
    CONTROL(mnuHoras, QAction);
    CONTROL(mnuDistancias, QAction);
    CONTROL(mnuTemperatura, QAction);
    CONTROL(mnuDivision1, QAction);
    CONTROL(mnuSalir, QAction);
    CONTROL(mnuAcercaDe, QAction);
    CONTROL(tabFichas, QTabWidget);
    CONTROL(cmdLimpiar, QPushButton);
    CONTROL(cmdSalir, QPushButton);
    CONTROL(StatusBar, QStatusBar);
    CONTROL(labNum, QLabel);
    // Page 1.
    CONTROL(labHorasyGrados, QLabel);
    CONTROL(txtHoras1, QLineEdit);
    CONTROL(labHoras1, QLabel);
    CONTROL(txtMinutos2, QLineEdit);
    CONTROL(labMinutos2, QLabel);
    CONTROL(txtSegundos2, QLineEdit);
    CONTROL(labSegundos2, QLabel);
    CONTROL(cmdHorasDecASex, QPushButton);
    CONTROL(cmdHorasSexADec, QPushButton);
    CONTROL(txtHoras2, QLineEdit);
    CONTROL(comGrados3, QComboBox);
    CONTROL(cmdCopiar2, QPushButton);
    CONTROL(cmdPegar2, QPushButton);
    CONTROL(txtGrados1, QLineEdit);
    CONTROL(labGrados1, QLabel);
    CONTROL(txtMinutos1, QLineEdit);
    CONTROL(labMinutos1, QLabel);
    CONTROL(txtSegundos1, QLineEdit);
    CONTROL(labSegundos1, QLabel);
    CONTROL(cmdGradosDecASexa, QPushButton);
    CONTROL(cmdGradosSexADec, QPushButton);
    CONTROL(txtGrados2, QLineEdit);
    CONTROL(labGrados2, QLabel);
    CONTROL(cmdCopiar1, QPushButton);
    CONTROL(cmdPegar1, QPushButton);
    CONTROL(txtGrados3, QLineEdit);
    CONTROL(comGrados1, QComboBox);
    CONTROL(cmdDecADec1, QPushButton);
    CONTROL(txtGrados4, QLineEdit);
    CONTROL(comGrados2, QComboBox);
    CONTROL(txtHoras3, QLineEdit);
    CONTROL(comHoras1, QComboBox);
    CONTROL(cmdDecADec2, QPushButton);
    CONTROL(txtHoras4, QLineEdit);
    CONTROL(comHoras2, QComboBox);
    // Page 2.
    CONTROL(labMedidas, QLabel);
    CONTROL(txtMedidas1, QLineEdit);
    CONTROL(comMedidas1, QComboBox);
    CONTROL(cmdMedidas1, QPushButton);
    CONTROL(txtMedidas2, QLineEdit);
    CONTROL(comMedidas2, QComboBox);
    CONTROL(txtMedidas3, QLineEdit);
    CONTROL(comMedidas3, QComboBox);
    CONTROL(cmdMedidas2, QPushButton);
    CONTROL(cmdPegar3, QPushButton);
    CONTROL(txtMedidas4, QLineEdit);
    CONTROL(comMedidas4, QComboBox);
    CONTROL(cmsCopiar3, QPushButton);
    // Page 3.
    CONTROL(labTemperaturas, QLabel);
    CONTROL(labCelcius, QLabel);
    CONTROL(txtCelsius, QLineEdit);
    CONTROL(cmdCelsius, QPushButton);
    CONTROL(labFahrenheit, QLabel);
    CONTROL(txtFahrenheit, QLineEdit);
    CONTROL(cmdFahrenheit, QPushButton);
    CONTROL(labKelvin, QLabel);
    CONTROL(txtKelvin, QLineEdit);
    CONTROL(cmdKelvin, QPushButton);
    CONTROL(labHumedad1, QLabel);
    CONTROL(labHumedad, QLabel);
    CONTROL(sldHumedad, QSlider);
    CONTROL(labRocio1, QLabel);
    CONTROL(labRocio, QLabel);
    CONTROL(labAvisoRocio, QLabel);
#undef CONTROL
}

// Other tools find controls by name: each name once in the window, on the right kind of object,
// and the same object the handlers use.
void StartupTest::controls() {
    QFETCH(QString, name);
    QFETCH(QByteArray, type);
    QFETCH(QObject*, member);
    const QList<QObject*> found = window_->findChildren<QObject*>(name);
    QCOMPARE(found.size(), 1);
    QVERIFY(found.first()->inherits(type.constData()));
    QCOMPARE(found.first(), member);
}

void StartupTest::startupTexts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    for (const char* field :
         {"txtGrados1", "txtMinutos1", "txtSegundos1", "txtGrados2", "txtHoras1", "txtMinutos2",
          "txtSegundos2", "txtHoras2", "txtGrados3", "txtGrados4", "txtHoras3", "txtHoras4",
          "txtMedidas1", "txtMedidas2", "txtMedidas3", "txtMedidas4", "txtCelsius", "txtFahrenheit",
          "txtKelvin"})
        QTest::newRow(field) << QString::fromLatin1(field) << QString();
    const std::pair<const char*, QString> captions[] = {
        {"labHumedad", "50 %"},
        {"labRocio", "-"},
        {"labAvisoRocio", ""},
        {"labNum", "NUM"},
        {"labHorasyGrados", "Tarabel sexagesimales y decimales"},
        {"labMedidas", "Transformaciones entre medidas de distancia"},
        {"labTemperaturas",
         QStringLiteral("Transformación de temperaturas y cálculo del punto de rocío")},
        {"labHoras1", "h"},
        {"labMinutos2", "m"},
        {"labSegundos2", "s"},
        {"labGrados1", ordinal},
        {"labMinutos1", "'"},
        {"labSegundos1", "\""},
        {"labGrados2", ordinal},
        {"labCelcius", "Celsius"},
        {"labFahrenheit", "Fahrenheit"},
        {"labKelvin", "Kelvin"},
        {"labHumedad1", "Humedad:"},
        {"labRocio1", QStringLiteral("Punto de Rocío:")},
        {"cmdLimpiar", "Limpiar"},
        {"cmdSalir", "Salir"},
        {"cmdMedidas1", "="},
        {"cmdMedidas2", "="},
        {"cmdCelsius", "="},
        {"cmdFahrenheit", "="},
        {"cmdKelvin", "="},
    };
    for (const auto& [name, text] : captions)
        QTest::newRow(name) << QString::fromLatin1(name) << text;
}

void StartupTest::startupTexts() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QObject* control = window_->findChild<QObject*>(name);
    QVERIFY(control);
    QCOMPARE(control->property("text").toString(), text);
}

void StartupTest::unitLists_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("comGrados1") << "comGrados1"
                                << "Grados" << angleUnits;
    QTest::newRow("comGrados2") << "comGrados2"
                                << "Minutos" << angleUnits;
    QTest::newRow("comHoras1") << "comHoras1"
                               << "Horas" << hourUnits;
    QTest::newRow("comHoras2") << "comHoras2"
                               << "Minutos" << hourUnits;
    QTest::newRow("comGrados3") << "comGrados3" << ordinal << QStringList{"h", ordinal};
    QTest::newRow("comMedidas1") << "comMedidas1" << shortUnits[0] << shortUnits;
    QTest::newRow("comMedidas2") << "comMedidas2"
                                 << "Pulgadas" << shortUnits;
    QTest::newRow("comMedidas3") << "comMedidas3" << longUnits[0] << longUnits;
    QTest::newRow("comMedidas4") << "comMedidas4" << longUnits[2] << longUnits;
}

// Filling the lists at start-up leaves each showing its opening text with no entry chosen.
void StartupTest::unitLists() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QStringList, entries);
    auto* list = window_->findChild<QComboBox*>(name);
    QVERIFY(list);
    QVERIFY(list->isEditable());
    QCOMPARE(list->currentText(), text);
    QCOMPARE(window_->controlText(name), text);
    QCOMPARE(list->currentIndex(), -1);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown << list->itemText(i);
    QCOMPARE(shown, entries);
}

void StartupTest::toolTips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("toolTip");
    const QString toDecimal = QStringLiteral("Sexagesimal a Decimal");
    const QString toSexagesimal = QStringLiteral("Decimal a Sexagesimal");
    QTest::newRow("cmdHorasDecASex") << "cmdHorasDecASex" << toSexagesimal;
    QTest::newRow("cmdHorasSexADec") << "cmdHorasSexADec" << toDecimal;
    QTest::newRow("cmdGradosDecASexa") << "cmdGradosDecASexa" << toSexagesimal;
    QTest::newRow("cmdGradosSexADec") << "cmdGradosSexADec" << toDecimal;
    QTest::newRow("comGrados3") << "comGrados3"
                                << "Grados/Horas decimales";
    QTest::newRow("cmdCopiar1") << "cmdCopiar1"
                                << "Copiar";
    QTest::newRow("cmdCopiar2") << "cmdCopiar2"
                                << "Copiar";
    QTest::newRow("cmsCopiar3") << "cmsCopiar3"
                                << "Copiar";
    QTest::newRow("cmdPegar1") << "cmdPegar1"
                               << "Pegar";
    QTest::newRow("cmdPegar2") << "cmdPegar2"
                               << "Pegar";
    QTest::newRow("cmdPegar3") << "cmdPegar3"
                               << "Pegar";
    QTest::newRow("cmdDecADec1") << "cmdDecADec1"
                                 << "";
    QTest::newRow("cmdDecADec2") << "cmdDecADec2"
                                 << "";
}

void StartupTest::toolTips() {
    QFETCH(QString, name);
    QFETCH(QString, toolTip);
    auto* control = window_->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->toolTip(), toolTip);
}

void StartupTest::arrowButtons_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("right");
    QTest::newRow("cmdHorasDecASex") << "cmdHorasDecASex" << false;
    QTest::newRow("cmdHorasSexADec") << "cmdHorasSexADec" << true;
    QTest::newRow("cmdGradosDecASexa") << "cmdGradosDecASexa" << false;
    QTest::newRow("cmdGradosSexADec") << "cmdGradosSexADec" << true;
    QTest::newRow("cmdDecADec1") << "cmdDecADec1" << true;
    QTest::newRow("cmdDecADec2") << "cmdDecADec2" << true;
}

// One arrow glyph pointing the right way, which the button's font can actually draw.
void StartupTest::arrowButtons() {
    QFETCH(QString, name);
    QFETCH(bool, right);
    auto* button = window_->findChild<QPushButton*>(name);
    QVERIFY(button);
    const QList<uint> glyph = button->text().toUcs4();
    QCOMPARE(glyph.size(), 1);
    const QList<uint> leftArrows{0x2190, 0x21E6, 0x2B05, 0x1F850};
    const QList<uint> rightArrows{0x2192, 0x21E8, 0x27A1, 0x2794, 0x1F852};
    QVERIFY((right ? rightArrows : leftArrows).contains(glyph.first()));
    QVERIFY(QFontMetrics(button->font()).inFontUcs4(glyph.first()));
    QVERIFY(button->font().bold());
    QCOMPARE(button->font().pointSizeF(), 9.0);
}

void StartupTest::pictureButtons_data() {
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"cmdCopiar1", "cmdCopiar2", "cmsCopiar3", "cmdPegar1", "cmdPegar2", "cmdPegar3"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void StartupTest::pictureButtons() {
    QFETCH(QString, name);
    auto* button = window_->findChild<QPushButton*>(name);
    QVERIFY(button);
    QVERIFY(button->text().isEmpty());
    QCOMPARE(button->iconSize(), QSize(16, 16));
    const QList<QSize> sizes = button->icon().availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));
}

void StartupTest::controlsStayOnTheirPage_data() {
    QTest::addColumn<int>("page");
    QTest::newRow("Horas y Grados") << 0;
    QTest::newRow("Distancias") << 1;
    QTest::newRow("Temperaturas") << 2;
}

// Every control lies inside its page, and no two controls that take input cover one another.
void StartupTest::controlsStayOnTheirPage() {
    QFETCH(int, page);
    QWidget* area = window_->tabFichas->widget(page);
    const QList<QWidget*> controls =
        area->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(!controls.isEmpty());
    for (QWidget* control : controls)
        QVERIFY2(area->rect().contains(control->geometry()), qPrintable(control->objectName()));
    for (QWidget* a : controls) {
        for (QWidget* b : controls) {
            if (a == b || a->focusPolicy() == Qt::NoFocus || b->focusPolicy() == Qt::NoFocus)
                continue;
            QVERIFY2(!a->geometry().intersects(b->geometry()),
                     qPrintable(a->objectName() + " / " + b->objectName()));
        }
    }
}

void StartupTest::menus() {
    frmPrincipal& w = *window_;
    const QList<QAction*> top = w.menuBar()->actions();
    QCOMPARE(top.size(), 2);
    QCOMPARE(top[0], w.mnuFunciones->menuAction());
    QCOMPARE(w.mnuFunciones->title(), QStringLiteral("&Opciones"));
    QCOMPARE(top[1], w.mnuAcercaDe);
    QCOMPARE(w.mnuAcercaDe->text(), QStringLiteral("Acerca de..."));
    QVERIFY(!w.mnuAcercaDe->menu());

    const QList<QAction*> items = w.mnuFunciones->actions();
    const QList<QAction*> expected{w.mnuHoras, w.mnuDistancias, w.mnuTemperatura, w.mnuDivision1,
                                   w.mnuSalir};
    QCOMPARE(items, expected);
    QCOMPARE(w.mnuHoras->text(), QStringLiteral("&Horas y Grados"));
    QCOMPARE(w.mnuDistancias->text(), QStringLiteral("&Distancias"));
    QCOMPARE(w.mnuTemperatura->text(), QStringLiteral("&Temperaturas"));
    QVERIFY(w.mnuDivision1->isSeparator());
    QCOMPARE(w.mnuSalir->text(), QStringLiteral("&Salir"));

    for (QAction* action : w.findChildren<QAction*>())
        QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->objectName()));
}

void StartupTest::pages() {
    QTabWidget* tabs = window_->tabFichas;
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("&Horas y Grados"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("&Distancias"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("&Temperaturas"));
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(window_->txtGrados1->isVisible());
    QVERIFY(!window_->txtMedidas1->isVisible());
    QVERIFY(!window_->txtCelsius->isVisible());
}

void StartupTest::slider() {
    QSlider* slider = window_->sldHumedad;
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    QCOMPARE(slider->minimum(), 0);
    QCOMPARE(slider->maximum(), 100);
    QCOMPARE(slider->value(), 50);
    QCOMPARE(slider->singleStep(), 1);
}

// Enter presses nothing until a field chooses a button, and no button takes Enter for itself.
void StartupTest::nothingIsDefault() {
    QCOMPARE(window_->defaultButton(), nullptr);
    for (QPushButton* button : window_->findChildren<QPushButton*>()) {
        QVERIFY2(!button->isDefault(), qPrintable(button->objectName()));
        QVERIFY2(!button->autoDefault(), qPrintable(button->objectName()));
    }
}

// NUM is bold exactly while Num Lock is on, and drawn in the disabled text colour while off.
void StartupTest::numLockPanel() {
    QLabel* panel = window_->labNum;
    QCOMPARE(panel->parentWidget(), window_->StatusBar);
    QVERIFY(panel->isVisible());
    const bool on = platform::numLockOn();
    QCOMPARE(panel->font().bold(), on);
    const QPalette bar = window_->StatusBar->palette();
    const QColor expected =
        bar.color(on ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    QCOMPARE(panel->palette().color(QPalette::Active, QPalette::WindowText), expected);
    QCOMPARE(panel->palette().color(QPalette::Inactive, QPalette::WindowText), expected);
}

void StartupTest::initialFocus() {
    auto window = shownWindow();
    QCOMPARE(focusName(*window, QApplication::focusWidget()), QStringLiteral("cmdLimpiar"));
}

void StartupTest::focusOrder_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("order");
    const QStringList head{"cmdLimpiar", "tabFichas"};
    const QStringList tail{"cmdSalir"};
    QTest::newRow("Horas y Grados") << 0 << head + page1Order + tail;
    QTest::newRow("Distancias") << 1 << head + page2Order + tail;
    QTest::newRow("Temperaturas") << 2 << head + page3Order + tail;
}

// Tab visits the controls of the current page only, in the order of the form, and comes back
// round; Shift+Tab walks the same ring backwards.
void StartupTest::focusOrder() {
    QFETCH(int, page);
    QFETCH(QStringList, order);
    auto window = shownWindow();
    window->tabFichas->setCurrentIndex(page);
    window->cmdLimpiar->setFocus(Qt::TabFocusReason);

    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        QStringList visited{focusName(*window, QApplication::focusWidget())};
        for (int step = 0; step < order.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), key);
            visited << focusName(*window, QApplication::focusWidget());
        }
        QStringList expected = order;
        if (key == Qt::Key_Backtab)
            std::reverse(expected.begin() + 1, expected.end());
        expected << order.first();
        QCOMPARE(visited, expected);
    }
}

void StartupTest::typedUnitText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("matchingEntry"); // -1 for none
    QTest::newRow("lower case stays as typed") << "pies" << -1;
    QTest::newRow("entry typed in full") << "Pies" << 2;
    QTest::newRow("start of an entry") << "Pul" << -1;
}

// The text of a unit list is what the user typed: nothing completes or recases it, Enter adds
// no entry, and typing an entry's name gives the same text as choosing it.
void StartupTest::typedUnitText() {
    QFETCH(QString, typed);
    QFETCH(int, matchingEntry);
    auto window = shownWindow();
    window->tabFichas->setCurrentIndex(1);
    QComboBox* list = window->comMedidas1;
    list->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), list);
    list->lineEdit()->selectAll();

    QTest::keyClicks(list, typed);
    QCOMPARE(list->currentText(), typed);
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClick(list->lineEdit(), Qt::Key_Return);
    QCOMPARE(list->currentText(), typed);
    QCOMPARE(window->controlText(QStringLiteral("comMedidas1")), typed);
    QCOMPARE(list->count(), shortUnits.size());

    if (matchingEntry >= 0) {
        list->setCurrentIndex(matchingEntry);
        QCOMPARE(list->currentText(), typed);
    }
}

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
