// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The About window: title, version, a short description and the maker's lines, with a button that
// starts the system's information tool (which tool, on Windows and elsewhere: sysinfo.cpp).
//
// Each opening builds the window anew and loads it in the constructor; closing it ends it.
#pragma once

#include "about/sysinfo.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

class frmAbout : public QDialog {
    Q_OBJECT

public:
    // `services` reach the registry, the file test, the program start and the message box; with
    // no message sink the window shows a real QMessageBox. The window takes its icon from
    // `parent`, over which it is centred.
    explicit frmAbout(about::SysInfoServices services, QWidget* parent = nullptr);
    ~frmAbout() override;

public slots:
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

protected:
    void changeEvent(QEvent* event) override;

private:
    void buildWindow();
    void applyThemeColours();

    about::SysInfoServices services_;

public:
    // Controls, named as their objectName.
    QLabel* lblTitle = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lblVersion = nullptr;
    QPlainTextEdit* txtTexto = nullptr;
    QLabel* Label5 = nullptr;
    QWidget* Line1[2] = {}; // [1] the grey line, [0] the white one below it
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;
};
