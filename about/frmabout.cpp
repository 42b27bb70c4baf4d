// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/frmabout.h"

#include "about/version.h"
#include "numtext/numtext.h"
#include "platform/fixed_window.h"
#include "platform/messagebox.h"
#include "platform/theme.h"
#include "platform/twips.h"
#include "platform/widgets.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString description = QStringLiteral(
    "Tarabel: programa de conversión entre grados y horas decimales y sexagesimales, medidas de "
    "distancia, temperaturas y cálculo del punto de rocío.");

// The maker's lines: who makes it, the copyright and the licence it is free software under.
const QString makerName = QStringLiteral("Proyecto Tarabel");
const QString copyrightLine = QStringLiteral("© 2026 Proyecto Tarabel");
const QString licenceLine = QStringLiteral("Software libre: GPL 3.0 o posterior");
const QString makerTagline = QStringLiteral("Conversiones astronómicas");
const QString makerBadge = QStringLiteral("Astronomía");

constexpr const char* designedColour = "designedColour";

constexpr int clientWidthTwips = 5595;
constexpr int clientHeightTwips = 3555;

using widgets::arial;
using widgets::msSansSerif;
using widgets::place;
using widgets::verdana;

QLabel* label(QWidget* parent, const char* name, const QString& text, const QFont& font,
              const QColor& colour, const QRect& where) {
    auto* widget = place(new QLabel(text, parent), name, where);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget->setFont(font);
    // The substitute faces can be a pixel taller than the box (DejaVu's descent is deep): the
    // box grows downwards rather than cut the descenders.
    if (const int needed = widget->fontMetrics().height(); needed > where.height())
        widget->resize(where.width(), needed);
    // The colour as designed; the one shown follows the theme (applyThemeColours).
    widget->setProperty(designedColour, colour);
    return widget;
}

// A one-pixel horizontal line from (x1, y) to (x2, y), in twips: member `index` of the
// control array Line1.
QWidget* line(QWidget* parent, int index, int x1, int x2, int y, const QColor& colour) {
    auto* widget = new QWidget(parent);
    widget->setObjectName(QStringLiteral("Line1"));
    widget->setProperty("index", index);
    widget->setGeometry(twips::rect(x1, y, x2 - x1, twips::perPixel));
    widget->setAccessibleName(QStringLiteral("Separador"));
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    return widget;
}

} // namespace

frmAbout::frmAbout(about::SysInfoServices services, QWidget* parent)
    : QDialog(parent), services_(std::move(services)) {
    if (!services_.showMessage)
        services_.showMessage = [this](const convert::Message& message) {
            platform::showMessageBox(this, message);
        };
    buildWindow();
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    Form_Load();
}

frmAbout::~frmAbout() = default;

void frmAbout::buildWindow() {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Tarabel"));
    if (parentWidget())
        setWindowIcon(parentWidget()->window()->windowIcon());
    // A fixed dialog frame with the close box only; as a dialog of its owner it stays out of
    // the task bar.
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(twips::px(clientWidthTwips), twips::px(clientHeightTwips));
    platform::keepFixedSize(this);
    setFont(msSansSerif(8.25));

    // Created in tab order, so focus starts on cmdOK and Tab reaches the text last.
    cmdOK = place(new QPushButton(QStringLiteral("Aceptar"), this), "cmdOK",
                  twips::rect(3960, 2625, 1500, 345));
    cmdOK->setDefault(true);
    cmdSysInfo = place(new QPushButton(QStringLiteral("&Info. del sistema..."), this), "cmdSysInfo",
                       twips::rect(3960, 3075, 1485, 345));

    lblTitle = label(this, "lblTitle", QStringLiteral("Tarabel"), verdana(15.75, true),
                     QColor(0, 0, 128), twips::rect(1080, 120, 3885, 480));
    lblVersion = label(this, "lblVersion", QStringLiteral("Versión"), msSansSerif(8.25, true),
                       QColor(128, 128, 128), twips::rect(1080, 840, 1605, 225));
    Label1 = label(this, "Label1", makerName, arial(11.25, true), QColor(64, 64, 64),
                   twips::rect(285, 2608, 2535, 255));
    Label2 = label(this, "Label2", copyrightLine, arial(9.75, true), QColor(128, 128, 128),
                   twips::rect(285, 2890, 3615, 255));
    Label3 = label(this, "Label3", licenceLine, arial(9.75, true), QColor(128, 128, 128),
                   twips::rect(285, 3144, 3615, 255));
    Label4 = label(this, "Label4", makerTagline, arial(9.75, true), QColor(64, 64, 64),
                   twips::rect(1080, 522, 3975, 255));
    Label5 = label(this, "Label5", makerBadge, arial(8.25), QColor(255, 0, 0),
                   twips::rect(85, 2101, 975, 255));
    Label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    txtTexto = place(new QPlainTextEdit(this), "txtTexto", twips::rect(1080, 1116, 3975, 1188));
    txtTexto->setFont(verdana(8.25));
    txtTexto->setReadOnly(true);
    txtTexto->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtTexto->setTabChangesFocus(true);
    txtTexto->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    txtTexto->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    // The grey line with a white one a pixel below it: an etched separator.
    Line1[1] = line(this, 1, 90, 5485, 2445, QColor(128, 128, 128));
    Line1[0] = line(this, 0, 105, 5432, 2460, QColor(255, 255, 255));

    // For screen readers; the labels speak their own texts.
    setAccessibleDescription(QStringLiteral("Acerca de Tarabel"));
    cmdOK->setAccessibleDescription(QStringLiteral("Cierra esta ventana"));
    cmdSysInfo->setAccessibleDescription(
        QStringLiteral("Abre la herramienta de información del sistema"));
    txtTexto->setAccessibleName(QStringLiteral("Descripción del programa"));

    applyThemeColours();

    setTabOrder(cmdOK, cmdSysInfo);
    setTabOrder(cmdSysInfo, txtTexto);
    cmdOK->setFocus();
}

// Each coloured label keeps its colour where it reads on the window's background, else the
// nearest of its hue that does; again whenever the desktop's theme changes.
void frmAbout::applyThemeColours() {
    const QColor background = palette().color(QPalette::Window);
    for (QLabel* label : findChildren<QLabel*>())
        if (const QVariant colour = label->property(designedColour); colour.isValid())
            theme::setTextColour(label, theme::readable(colour.value<QColor>(), background));
}

void frmAbout::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        applyThemeColours();
    QDialog::changeEvent(event);
}

void frmAbout::Form_Load() {
    const auto version = about::programVersion();
    lblVersion->setText(
        QStringLiteral("Versión ") + QString::fromStdString(numtext::integerText(version.major)) +
        QLatin1Char('.') + QString::fromStdString(numtext::integerText(version.minor)));
    txtTexto->setPlainText(description + QLatin1Char(' ') + makerName + QLatin1Char(' ') +
                           copyrightLine + QLatin1Char(' ') + licenceLine);
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    about::StartSysInfo(services_);
}
