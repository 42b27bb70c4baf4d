// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls, their places and start-up state.
//
// Geometry comes from twips tables (see twips.h). Controls on a page are given relative to the
// tab control, whose tab strip takes the top 520 twips; each page widget's origin stands for the
// point (0, 520) of the tab control, so a heading at twips y 600 sits 80 twips (5 px) below the
// tab strip whatever height the style gives that strip.
#include "app/frmprincipal.h"

#include "app/icons.h"
#include "app/numlock_panel.h"
#include "app/page_tabs.h"
#include "app/screen_reader.h"
#include "convert/temperature/dewpoint.h"
#include "convert/units.h"
#include "platform/fixed_window.h"
#include "platform/twips.h"
#include "platform/widgets.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr int tabWidthTwips = 6885;
constexpr int tabStripTwips = 520;
constexpr int clientWidthTwips = 7140;
constexpr int clientHeightTwips = 4080;
constexpr int statusBarTwips = 255;

namespace units = convert::units;
using widgets::fontOf;
using widgets::msSansSerif;
using widgets::place;
using widgets::verdana;

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QRect onPage(int left, int top, int width, int height) {
    return twips::rect(left, top - tabStripTwips, width, height);
}

// The arrow buttons drew a Wingdings glyph; these two Unicode arrows have the same heavy look
// and both live in DejaVu Sans, so they match each other wherever that font is found.
const QString leftArrow = QStringLiteral("\u2B05");
const QString rightArrow = QStringLiteral("\u27A1");

QFont arrowFont() {
    return fontOf({QStringLiteral("DejaVu Sans"), QStringLiteral("Segoe UI Symbol")}, 9, true);
}

QLineEdit* textField(QWidget* page, const char* name, const QRect& where) {
    auto* field = place(new QLineEdit(page), name, where);
    field->setFont(verdana(9));
    // A field holds whatever is pasted or typed into it, whole: no cut at Qt's 32,767 characters.
    field->setMaxLength(std::numeric_limits<int>::max());
    return field;
}

// Labels keep their text at the top, as the unit marks beside the fields rely on.
QLabel* label(QWidget* page, const char* name, const QRect& where, const QString& text,
              Qt::Alignment horizontal = Qt::AlignLeft) {
    auto* lab = place(new QLabel(text, page), name, where);
    lab->setAlignment(horizontal | Qt::AlignTop);
    return lab;
}

// A heading stays centred where the table puts it; when a substitute font makes it wider than
// its box, the box grows on both sides (within the page) rather than clipping the text.
QLabel* heading(QWidget* page, const char* name, const QRect& where, const QString& text) {
    auto* lab = place(new QLabel(text, page), name, where);
    lab->setAlignment(Qt::AlignCenter);
    lab->setFont(verdana(9, true));
    const int needed = lab->fontMetrics().horizontalAdvance(text) + 2;
    if (needed > where.width()) {
        const int centre = where.left() + where.width() / 2;
        const int half = std::min({needed / 2 + 1, centre, twips::px(tabWidthTwips) - centre});
        lab->setGeometry(centre - half, where.top(), 2 * half, where.height());
    }
    return lab; // its colour follows the theme (window_colours.cpp)
}

// Sets a list's text showing its beginning, as a list that was never edited does.
void showText(QComboBox* list, const QString& text) {
    list->setEditText(text);
    list->lineEdit()->setCursorPosition(0);
}

// An editable list whose text is exactly what the user typed or picked: no completion that
// could rewrite it, and Enter never adds an entry. It starts with no entries.
QComboBox* unitList(QWidget* page, const char* name, const QRect& where, const QString& text) {
    auto* list = place(new QComboBox(page), name, where);
    screen_reader::markAsUnitList(list); // before a screen reader first asks for it
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setCompleter(nullptr);
    showText(list, text);
    return list;
}

QPushButton* button(QWidget* parent, const char* name, const QRect& where, const QString& text) {
    auto* push = place(new QPushButton(text, parent), name, where);
    push->setAutoDefault(false);
    return push;
}

QPushButton* arrowButton(QWidget* page, const char* name, const QRect& where, bool right,
                         const QString& toolTip = {}) {
    auto* push = button(page, name, where, right ? rightArrow : leftArrow);
    push->setFont(arrowFont());
    push->setToolTip(toolTip);
    return push;
}

QPushButton* pictureButton(QWidget* page, const char* name, const QRect& where, const QIcon& icon,
                           const QString& toolTip) {
    auto* push = button(page, name, where, QString());
    push->setIcon(icon);
    push->setIconSize(QSize(16, 16));
    push->setToolTip(toolTip);
    return push;
}

// Room for text in a unit list's edit part: the style's edit field, less the line edit's text
// margins and its own inner margin of 2 px a side, less a pixel for the caret after the text.
int textRoom(QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = true;
    option.frame = list->hasFrame();
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, list);
    const QMargins margins = list->lineEdit()->textMargins();
    return field.width() - margins.left() - margins.right() - 2 * 2 - 1;
}

int widestText(const QFont& font, const QStringList& texts) {
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest;
}

// Every entry of a unit list must show whole in its edit part. The substitute fonts are wider
// than the ones the window was drawn for, and styles give the arrow more room: draw the letters
// as little closer together as needed, by at most a quarter of the font's average letter width,
// so the font itself, and the glyphs the rest of the window already drew with it, stay. Where
// even that is not enough, the text first takes the line edit's inner margin too, since the
// list's frame already sets it off.
void fitEntries(QComboBox* list) {
    QStringList texts{list->currentText()};
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    QFont font = list->font();
    if (widestText(font, texts) <= textRoom(list))
        return;
    const QFontMetricsF metrics(font);
    const qreal closest = -metrics.averageCharWidth() / 4;
    // The spacing that brings the text furthest over the room just inside it, each letter
    // taking its share; measured again, since glyph places are rounded.
    const auto tightest = [&](int room) {
        qreal spacing = 0;
        for (const QString& text : texts)
            if (!text.isEmpty())
                spacing = std::min(spacing, (room - metrics.horizontalAdvance(text)) / text.size());
        spacing = std::floor(spacing * 64) / 64; // the layout's own unit
        for (QFont narrow = font;; spacing -= 1.0 / 64) {
            narrow.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
            if (spacing < closest || widestText(narrow, texts) <= room)
                return spacing;
        }
    };
    qreal spacing = tightest(textRoom(list));
    if (spacing < closest) {
        list->lineEdit()->setTextMargins(-2, 0, -2, 0);
        if (widestText(font, texts) <= textRoom(list))
            return;
        spacing = std::max(tightest(textRoom(list)), closest);
    }
    font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    list->setFont(font);
}

// Entries go in one by one at the positions given. Inserting into an empty list makes its first
// entry current, which would replace the opening text; put the text back with nothing selected.
using Entries = std::vector<std::pair<int, QString>>;

void fillList(QComboBox* list, const Entries& entries) {
    const QString text = list->currentText();
    for (const auto& [position, entry] : entries)
        list->insertItem(position, entry);
    list->setCurrentIndex(-1);
    showText(list, text);
    fitEntries(list);
}

// Unit names at the positions 0, 1, 2, ... in their order.
template <std::size_t N> Entries inOrder(const std::array<std::string_view, N>& names) {
    Entries entries;
    for (std::size_t i = 0; i < N; ++i)
        entries.emplace_back(static_cast<int>(i), qText(names[i]));
    return entries;
}

} // namespace

void frmPrincipal::buildWindow() {
    setObjectName(QStringLiteral("frmPrincipal"));
    setWindowTitle(QStringLiteral("Tarabel"));
    setWindowIcon(icons::windowIcon());
    // A fixed frame with the close box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(msSansSerif(8.25));

    buildMenus();

    // The client area below the menu bar holds the tab control, two buttons and the status bar.
    auto* client = new QWidget(this);
    client->setFixedSize(twips::px(clientWidthTwips),
                         twips::px(clientHeightTwips - statusBarTwips));
    setCentralWidget(client);

    tabFichas =
        place(new PageTabs(client), "tabFichas", twips::rect(120, 120, tabWidthTwips, 3255));
    tabFichas->tabBar()->setFont(verdana(8.25));
    const QString captions[] = {QStringLiteral("&Horas y Grados"), QStringLiteral("&Distancias"),
                                QStringLiteral("&Temperaturas")};
    for (const QString& caption : captions)
        tabFichas->addTab(new QWidget, caption);
    buildPageHoras(tabFichas->widget(0));
    buildPageDistancias(tabFichas->widget(1));
    buildPageTemperaturas(tabFichas->widget(2));
    tabFichas->setCurrentIndex(0);

    cmdLimpiar =
        button(client, "cmdLimpiar", twips::rect(120, 3450, 975, 315), QStringLiteral("Limpiar"));
    cmdLimpiar->setFont(verdana(8.25));
    cmdSalir =
        button(client, "cmdSalir", twips::rect(6015, 3450, 975, 315), QStringLiteral("Salir"));
    cmdSalir->setFont(verdana(8.25));

    buildStatusBar();

    setFixedSize(twips::px(clientWidthTwips),
                 menuBar()->sizeHint().height() + twips::px(clientHeightTwips));
    platform::keepFixedSize(this);
    orderFocus();
    describeForScreenReaders();
    applyThemeColours();
}

void frmPrincipal::buildMenus() {
    QMenuBar* bar = menuBar();
    mnuFunciones = bar->addMenu(QStringLiteral("&Opciones"));
    mnuFunciones->setObjectName(QStringLiteral("mnuFunciones"));

    const auto item = [this](const char* name, const QString& caption) {
        QAction* action = mnuFunciones->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    mnuHoras = item("mnuHoras", QStringLiteral("&Horas y Grados"));
    mnuDistancias = item("mnuDistancias", QStringLiteral("&Distancias"));
    mnuTemperatura = item("mnuTemperatura", QStringLiteral("&Temperaturas"));
    mnuDivision1 = mnuFunciones->addSeparator();
    mnuDivision1->setObjectName(QStringLiteral("mnuDivision1"));
    mnuSalir = item("mnuSalir", QStringLiteral("&Salir"));

    // A command of the menu bar itself, with no drop-down.
    mnuAcercaDe = bar->addAction(QStringLiteral("Acerca de..."));
    mnuAcercaDe->setObjectName(QStringLiteral("mnuAcercaDe"));
}

void frmPrincipal::buildPageHoras(QWidget* page) {
    labHorasyGrados = heading(page, "labHorasyGrados", onPage(240, 600, 6255, 255),
                              QStringLiteral("Tarabel sexagesimales y decimales"));

    const QString toDecimal = QStringLiteral("Sexagesimal a Decimal");
    const QString toSexagesimal = QStringLiteral("Decimal a Sexagesimal");
    const QString degreeSign = QStringLiteral("º"); // U+00BA, as the program writes it

    // Hours, sexagesimal and decimal.
    txtHoras1 = textField(page, "txtHoras1", onPage(120, 1140, 615, 315));
    labHoras1 = label(page, "labHoras1", onPage(765, 1260, 255, 255), QStringLiteral("h"));
    txtMinutos2 = textField(page, "txtMinutos2", onPage(960, 1140, 615, 315));
    labMinutos2 = label(page, "labMinutos2", onPage(1590, 1260, 255, 255), QStringLiteral("m"));
    txtSegundos2 = textField(page, "txtSegundos2", onPage(1800, 1140, 1095, 315));
    labSegundos2 = label(page, "labSegundos2", onPage(2940, 1260, 255, 255), QStringLiteral("s"));
    cmdHorasDecASex =
        arrowButton(page, "cmdHorasDecASex", onPage(3120, 1140, 315, 315), false, toSexagesimal);
    cmdHorasSexADec =
        arrowButton(page, "cmdHorasSexADec", onPage(3600, 1140, 315, 315), true, toDecimal);
    txtHoras2 = textField(page, "txtHoras2", onPage(4080, 1140, 1380, 315));
    comGrados3 =
        unitList(page, "comGrados3", onPage(5528, 1140, 495, 330), qText(units::degreesSign));
    comGrados3->setFont(verdana(9));
    comGrados3->setToolTip(QStringLiteral("Grados/Horas decimales"));
    cmdCopiar2 = pictureButton(page, "cmdCopiar2", onPage(6085, 1140, 315, 315), icons::copyIcon(),
                               QStringLiteral("Copiar"));
    cmdPegar2 = pictureButton(page, "cmdPegar2", onPage(6475, 1140, 315, 315), icons::pasteIcon(),
                              QStringLiteral("Pegar"));

    // Degrees, sexagesimal and decimal.
    txtGrados1 = textField(page, "txtGrados1", onPage(120, 1620, 615, 315));
    labGrados1 = label(page, "labGrados1", onPage(765, 1620, 255, 255), degreeSign);
    txtMinutos1 = textField(page, "txtMinutos1", onPage(960, 1620, 615, 315));
    labMinutos1 = label(page, "labMinutos1", onPage(1620, 1620, 255, 255), QStringLiteral("'"));
    txtSegundos1 = textField(page, "txtSegundos1", onPage(1800, 1620, 1095, 315));
    labSegundos1 = label(page, "labSegundos1", onPage(2940, 1620, 315, 315), QStringLiteral("\""));
    labSegundos1->setFont(verdana(9.75));
    cmdGradosDecASexa =
        arrowButton(page, "cmdGradosDecASexa", onPage(3120, 1620, 315, 315), false, toSexagesimal);
    cmdGradosSexADec =
        arrowButton(page, "cmdGradosSexADec", onPage(3600, 1620, 315, 315), true, toDecimal);
    txtGrados2 = textField(page, "txtGrados2", onPage(4080, 1620, 1380, 315));
    labGrados2 = label(page, "labGrados2", onPage(5520, 1620, 315, 315), degreeSign);
    cmdCopiar1 = pictureButton(page, "cmdCopiar1", onPage(6085, 1620, 315, 315), icons::copyIcon(),
                               QStringLiteral("Copiar"));
    cmdPegar1 = pictureButton(page, "cmdPegar1", onPage(6475, 1620, 315, 315), icons::pasteIcon(),
                              QStringLiteral("Pegar"));

    // Unit change of decimal degrees.
    txtGrados3 = textField(page, "txtGrados3", onPage(120, 2225, 1620, 315));
    comGrados1 = unitList(page, "comGrados1", onPage(1920, 2225, 1095, 315), qText(units::grados));
    cmdDecADec1 = arrowButton(page, "cmdDecADec1", onPage(3270, 2225, 315, 315), true);
    txtGrados4 = textField(page, "txtGrados4", onPage(3840, 2225, 1620, 315));
    comGrados2 = unitList(page, "comGrados2", onPage(5640, 2225, 1095, 315), qText(units::minutos));

    // Unit change of decimal hours.
    txtHoras3 = textField(page, "txtHoras3", onPage(120, 2760, 1620, 315));
    comHoras1 = unitList(page, "comHoras1", onPage(1920, 2760, 1095, 315), qText(units::horas));
    cmdDecADec2 = arrowButton(page, "cmdDecADec2", onPage(3270, 2760, 315, 315), true);
    txtHoras4 = textField(page, "txtHoras4", onPage(3840, 2760, 1620, 315));
    comHoras2 = unitList(page, "comHoras2", onPage(5640, 2760, 1095, 315), qText(units::minutos));
}

void frmPrincipal::buildPageDistancias(QWidget* page) {
    labMedidas = heading(page, "labMedidas", onPage(240, 600, 6255, 255),
                         QStringLiteral("Transformaciones entre medidas de distancia"));

    // Short distances.
    txtMedidas1 = textField(page, "txtMedidas1", onPage(270, 1200, 1335, 315));
    comMedidas1 =
        unitList(page, "comMedidas1", onPage(1750, 1200, 1335, 315), qText(units::centimetros));
    cmdMedidas1 = button(page, "cmdMedidas1", onPage(3240, 1200, 315, 315), QStringLiteral("="));
    txtMedidas2 = textField(page, "txtMedidas2", onPage(3720, 1200, 1335, 315));
    comMedidas2 =
        unitList(page, "comMedidas2", onPage(5250, 1200, 1335, 315), qText(units::pulgadas));

    // Long distances.
    txtMedidas3 = textField(page, "txtMedidas3", onPage(270, 1920, 2775, 315));
    comMedidas3 =
        unitList(page, "comMedidas3", onPage(3290, 1920, 2055, 315), qText(units::kilometros));
    cmdMedidas2 = button(page, "cmdMedidas2", onPage(5640, 1920, 315, 315), QStringLiteral("="));
    cmdPegar3 = pictureButton(page, "cmdPegar3", onPage(6240, 1920, 315, 315), icons::pasteIcon(),
                              QStringLiteral("Pegar"));
    txtMedidas4 = textField(page, "txtMedidas4", onPage(270, 2400, 2775, 315));
    comMedidas4 = unitList(page, "comMedidas4", onPage(3290, 2400, 2055, 315),
                           qText(units::unidadesAstronomicas));
    cmsCopiar3 = pictureButton(page, "cmsCopiar3", onPage(6240, 2400, 315, 315), icons::copyIcon(),
                               QStringLiteral("Copiar"));
}

void frmPrincipal::buildPageTemperaturas(QWidget* page) {
    labTemperaturas =
        heading(page, "labTemperaturas", onPage(480, 600, 6135, 255),
                QStringLiteral("Transformación de temperaturas y cálculo del punto de rocío"));

    // Scales.
    const auto scale = [page](const char* name, const QRect& where, const QString& text) {
        QLabel* lab = label(page, name, where, text, Qt::AlignRight);
        lab->setFont(verdana(9.75));
        return lab;
    };
    labCelcius = scale("labCelcius", onPage(240, 1290, 1095, 255), QStringLiteral("Celsius"));
    txtCelsius = textField(page, "txtCelsius", onPage(1440, 1275, 1095, 315));
    cmdCelsius = button(page, "cmdCelsius", onPage(2640, 1275, 315, 315), QStringLiteral("="));
    cmdCelsius->setFont(msSansSerif(9.75));
    labFahrenheit =
        scale("labFahrenheit", onPage(240, 1830, 1095, 255), QStringLiteral("Fahrenheit"));
    txtFahrenheit = textField(page, "txtFahrenheit", onPage(1440, 1815, 1095, 315));
    cmdFahrenheit =
        button(page, "cmdFahrenheit", onPage(2640, 1815, 315, 315), QStringLiteral("="));
    labKelvin = scale("labKelvin", onPage(240, 2370, 1095, 255), QStringLiteral("Kelvin"));
    txtKelvin = textField(page, "txtKelvin", onPage(1440, 2355, 1095, 315));
    cmdKelvin = button(page, "cmdKelvin", onPage(2640, 2355, 315, 315), QStringLiteral("="));

    // Dew point.
    labHumedad1 =
        label(page, "labHumedad1", onPage(3420, 1155, 975, 255), QStringLiteral("Humedad:"));
    labHumedad = label(page, "labHumedad", onPage(4350, 1155, 705, 315), QString(), Qt::AlignRight);
    sldHumedad =
        place(new QSlider(Qt::Horizontal, page), "sldHumedad", onPage(3360, 1425, 3255, 255));
    sldHumedad->setRange(0, 100);
    sldHumedad->setValue(50);
    sldHumedad->setSingleStep(1);
    sldHumedad->setPageStep(10);
    sldHumedad->setTickPosition(QSlider::TicksBelow);
    sldHumedad->setTickInterval(5);
    labRocio1 =
        label(page, "labRocio1", onPage(3420, 1995, 1575, 255), QStringLiteral("Punto de Rocío:"));
    labRocio = label(page, "labRocio", onPage(5040, 1995, 1335, 255), QStringLiteral("-"));

    labAvisoRocio =
        label(page, "labAvisoRocio", onPage(3480, 2445, 3135, 420), QString(), Qt::AlignHCenter);
    labAvisoRocio->setWordWrap(true);
}

void frmPrincipal::buildStatusBar() {
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    StatusBar->setFixedHeight(twips::px(statusBarTwips));
    setStatusBar(StatusBar);

    // Two sunken panels: an empty one across most of the bar, then the Num Lock indicator. They
    // are placed by hand: the bar's own layout keeps 3 px above its items, which a 17 px bar
    // cannot spare without clipping the text. The window never changes size.
    const int top = 2;
    const int height = twips::px(statusBarTwips) - top;
    const int numLeft = twips::px(clientWidthTwips) - top - twips::px(600);
    auto* blank = new QLabel(StatusBar);
    blank->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    blank->setGeometry(top, top, numLeft - 2 * top, height);

    labNum = new QLabel(QStringLiteral("NUM"), StatusBar);
    labNum->setObjectName(QStringLiteral("labNum"));
    labNum->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    labNum->setAlignment(Qt::AlignCenter);
    labNum->setGeometry(numLeft, top, twips::px(600), height);

    numLockPanel_ = new NumLockPanel(labNum);
}

void frmPrincipal::orderFocus() {
    QWidget* const order[] = {
        cmdLimpiar,
        tabFichas->tabBar(),
        // Page 1: the degrees row comes before the hours row above it.
        txtGrados1,
        txtMinutos1,
        txtSegundos1,
        cmdGradosDecASexa,
        cmdGradosSexADec,
        txtGrados2,
        cmdCopiar1,
        cmdPegar1,
        txtHoras1,
        txtMinutos2,
        txtSegundos2,
        cmdHorasDecASex,
        cmdHorasSexADec,
        txtHoras2,
        comGrados3,
        cmdCopiar2,
        cmdPegar2,
        txtGrados3,
        comGrados1,
        cmdDecADec1,
        txtGrados4,
        comGrados2,
        txtHoras3,
        comHoras1,
        cmdDecADec2,
        txtHoras4,
        comHoras2,
        // Page 2.
        txtMedidas1,
        comMedidas1,
        cmdMedidas1,
        txtMedidas2,
        comMedidas2,
        txtMedidas3,
        comMedidas3,
        cmdMedidas2,
        txtMedidas4,
        comMedidas4,
        cmdPegar3,
        cmsCopiar3,
        // Page 3.
        txtCelsius,
        cmdCelsius,
        txtFahrenheit,
        cmdFahrenheit,
        txtKelvin,
        cmdKelvin,
        sldHumedad,
        cmdSalir,
    };
    // The tab control itself is a stop in Qt's focus chain that hands the focus to its tab strip;
    // move it (with everything inside it) behind the first button, so that it does not turn up
    // a second time when Tab wraps round. Then order the tab strip and each control one by one.
    QWidget::setTabOrder(cmdLimpiar, tabFichas);
    for (std::size_t i = 2; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    // The window opens with the focus on the first control of that order that can take it.
    for (QWidget* widget : order) {
        if (widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) && !widget->isHidden()) {
            widget->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

void frmPrincipal::Form_Load() {
    run(convert::temperature::humidityReadOut);
    labAvisoRocio->setText(QString());

    for (QComboBox* list : {comGrados1, comGrados2})
        fillList(list, inOrder(units::degreeUnits));
    for (QComboBox* list : {comHoras1, comHoras2})
        fillList(list, inOrder(units::hourUnits));
    // "º" goes in first, then "h" before it.
    fillList(comGrados3, {{0, qText(units::degreesSign)}, {0, qText(units::hoursSign)}});
    for (QComboBox* list : {comMedidas1, comMedidas2})
        fillList(list, inOrder(units::shortUnits));
    for (QComboBox* list : {comMedidas3, comMedidas4})
        fillList(list, inOrder(units::longUnits));
}
