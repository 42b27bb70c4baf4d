// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: three pages of conversions, the menu bar and the status bar.
//
// Every control carries its own name as objectName; other tools find widgets by these names.
// Handlers are thin: they read the texts of their row, call a pure conversion and apply what it
// returns (see applyOutcome).
#pragma once

#include "convert/conversion.h"
#include "numtext/numtext.h"

#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>
#include <initializer_list>
#include <map>

class Announcer;
class NumLockPanel;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;
class QStatusBar;
class QTabWidget;
class QWidget;

class frmPrincipal : public QMainWindow {
    Q_OBJECT

public:
    explicit frmPrincipal(QWidget* parent = nullptr);
    ~frmPrincipal() override;

    // How a message box reaches the user. Production shows a real QMessageBox; tests record.
    using MessageSink = std::function<void(const convert::Message&)>;
    void setMessageSink(MessageSink sink);
    void showMessage(const convert::Message& message);

    // The separators every number text of this window uses (from the system locale).
    const numtext::NumberLocale& numberLocale() const { return locale_; }
    void setNumberLocale(numtext::NumberLocale locale) { locale_ = std::move(locale); }

    // The button Enter presses when the focus is not on a push button; nullptr for none.
    QPushButton* defaultButton() const { return defaultButton_; }
    void setDefaultButton(QPushButton* button);

    // Texts of controls by objectName (text fields, unit lists, labels).
    QString controlText(const QString& name) const;
    void setControlText(const QString& name, const QString& text);

    // Runs a conversion on the texts of its controls and applies what it did to them.
    convert::Outcome run(const convert::Conversion& conversion);
    // Writes and messages of a conversion, in their order; stops where the conversion stopped.
    void applyOutcome(const convert::Outcome& outcome);

    // What a screen reader says once the conversion of a button (or the slider's refresh of the
    // dew point) is done: the results of its row, in the texts the fields show.
    QString spokenResults(const QObject* source) const;
    void announceResults(const QObject* source);

public slots:
    void Form_Load();

    // Degrees, sexagesimal and decimal.
    void cmdGradosSexADec_Click();
    void cmdGradosDecASexa_Click();
    // Hours, sexagesimal and decimal.
    void cmdHorasSexADec_Click();
    void cmdHorasDecASex_Click();
    // Unit change of decimal degrees and hours.
    void cmdDecADec1_Click();
    void cmdDecADec2_Click();
    // Distances.
    void cmdMedidas1_Click();
    void cmdMedidas2_Click();
    // Temperatures and dew point.
    void cmdCelsius_Click();
    void cmdFahrenheit_Click();
    void cmdKelvin_Click();
    void sldHumedad_Scroll();
    // Field utilities.
    void txtGrados1_GotFocus();
    void txtMinutos1_GotFocus();
    void txtSegundos1_GotFocus();
    void txtGrados2_GotFocus();
    void txtHoras1_GotFocus();
    void txtMinutos2_GotFocus();
    void txtSegundos2_GotFocus();
    void txtHoras2_GotFocus();
    void txtGrados3_GotFocus();
    void txtGrados4_GotFocus();
    void txtHoras3_GotFocus();
    void txtHoras4_GotFocus();
    void txtMedidas1_GotFocus();
    void txtMedidas2_GotFocus();
    void txtMedidas3_GotFocus();
    void txtMedidas4_GotFocus();
    void txtCelsius_GotFocus();
    void txtFahrenheit_GotFocus();
    void txtKelvin_GotFocus();
    void cmdCopiar1_Click();
    void cmdCopiar2_Click();
    void cmsCopiar3_Click();
    void cmdPegar1_Click();
    void cmdPegar2_Click();
    void cmdPegar3_Click();
    void cmdLimpiar_Click();
    void mnuHoras_Click();
    void mnuDistancias_Click();
    void mnuTemperatura_Click();
    void mnuSalir_Click();
    void cmdSalir_Click();
    // About window.
    void mnuAcercaDe_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildWindow();
    void buildMenus();
    void buildPageHoras(QWidget* page);
    void buildPageDistancias(QWidget* page);
    void buildPageTemperaturas(QWidget* page);
    void buildStatusBar();
    void describeForScreenReaders();
    // The texts with colours of their own, readable on the current theme.
    void applyThemeColours();
    // The Tab order of the controls, and the focus on the first of them.
    void orderFocus();
    void connectHandlers();
    // Select-on-focus: make `button` the default (unless null) and select the whole text.
    void selectOnFocus(QLineEdit* field, QPushButton* button);
    void giveFocus(QLineEdit* field);
    void convertTemperature(const convert::Conversion& conversion);
    // Runs a modal window or box, then gives the focus back to the control the user was on.
    void runModal(const std::function<void()>& modal);
    void copyField(QLineEdit* field);
    void pasteField(QLineEdit* field);

    numtext::NumberLocale locale_;
    MessageSink messageSink_;
    QPushButton* defaultButton_ = nullptr;
    std::map<QLineEdit*, void (frmPrincipal::*)()> focusHandlers_;
    QPointer<QWidget> lastControl_;
    Announcer* announcer_ = nullptr;
    NumLockPanel* numLockPanel_ = nullptr;
    // The selection and caret of the field the focus last left, given back when the focus only
    // comes back to it.
    struct LeftSelection {
        LeftSelection() = default;
        explicit LeftSelection(QLineEdit* field);
        void restore(QLineEdit* field) const;
        QPointer<QLineEdit> field;
        QString text;
        int start = -1, length = 0, cursor = 0;
    } left_;

public:
    // Controls, named as their objectName.
    QMenu* mnuFunciones = nullptr;
    QAction* mnuHoras = nullptr;
    QAction* mnuDistancias = nullptr;
    QAction* mnuTemperatura = nullptr;
    QAction* mnuDivision1 = nullptr;
    QAction* mnuSalir = nullptr;
    QAction* mnuAcercaDe = nullptr;

    QTabWidget* tabFichas = nullptr;
    QPushButton* cmdLimpiar = nullptr;
    QPushButton* cmdSalir = nullptr;
    QStatusBar* StatusBar = nullptr;
    QLabel* labNum = nullptr; // the status bar's Num Lock panel

    // Page 1.
    QLabel* labHorasyGrados = nullptr;
    QLineEdit* txtHoras1 = nullptr;
    QLabel* labHoras1 = nullptr;
    QLineEdit* txtMinutos2 = nullptr;
    QLabel* labMinutos2 = nullptr;
    QLineEdit* txtSegundos2 = nullptr;
    QLabel* labSegundos2 = nullptr;
    QPushButton* cmdHorasDecASex = nullptr;
    QPushButton* cmdHorasSexADec = nullptr;
    QLineEdit* txtHoras2 = nullptr;
    QComboBox* comGrados3 = nullptr;
    QPushButton* cmdCopiar2 = nullptr;
    QPushButton* cmdPegar2 = nullptr;
    QLineEdit* txtGrados1 = nullptr;
    QLabel* labGrados1 = nullptr;
    QLineEdit* txtMinutos1 = nullptr;
    QLabel* labMinutos1 = nullptr;
    QLineEdit* txtSegundos1 = nullptr;
    QLabel* labSegundos1 = nullptr;
    QPushButton* cmdGradosDecASexa = nullptr;
    QPushButton* cmdGradosSexADec = nullptr;
    QLineEdit* txtGrados2 = nullptr;
    QLabel* labGrados2 = nullptr;
    QPushButton* cmdCopiar1 = nullptr;
    QPushButton* cmdPegar1 = nullptr;
    QLineEdit* txtGrados3 = nullptr;
    QComboBox* comGrados1 = nullptr;
    QPushButton* cmdDecADec1 = nullptr;
    QLineEdit* txtGrados4 = nullptr;
    QComboBox* comGrados2 = nullptr;
    QLineEdit* txtHoras3 = nullptr;
    QComboBox* comHoras1 = nullptr;
    QPushButton* cmdDecADec2 = nullptr;
    QLineEdit* txtHoras4 = nullptr;
    QComboBox* comHoras2 = nullptr;

    // Page 2.
    QLabel* labMedidas = nullptr;
    QLineEdit* txtMedidas1 = nullptr;
    QComboBox* comMedidas1 = nullptr;
    QPushButton* cmdMedidas1 = nullptr;
    QLineEdit* txtMedidas2 = nullptr;
    QComboBox* comMedidas2 = nullptr;
    QLineEdit* txtMedidas3 = nullptr;
    QComboBox* comMedidas3 = nullptr;
    QPushButton* cmdMedidas2 = nullptr;
    QPushButton* cmdPegar3 = nullptr;
    QLineEdit* txtMedidas4 = nullptr;
    QComboBox* comMedidas4 = nullptr;
    QPushButton* cmsCopiar3 = nullptr;

    // Page 3.
    QLabel* labTemperaturas = nullptr;
    QLabel* labCelcius = nullptr;
    QLineEdit* txtCelsius = nullptr;
    QPushButton* cmdCelsius = nullptr;
    QLabel* labFahrenheit = nullptr;
    QLineEdit* txtFahrenheit = nullptr;
    QPushButton* cmdFahrenheit = nullptr;
    QLabel* labKelvin = nullptr;
    QLineEdit* txtKelvin = nullptr;
    QPushButton* cmdKelvin = nullptr;
    QLabel* labHumedad1 = nullptr;
    QLabel* labHumedad = nullptr;
    QSlider* sldHumedad = nullptr;
    QLabel* labRocio1 = nullptr;
    QLabel* labRocio = nullptr;
    QLabel* labAvisoRocio = nullptr;
};
