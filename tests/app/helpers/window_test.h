// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share: the main window shown and active with its messages recorded, the
// ways a user reaches and fills a field, and a look inside a modal window while it runs.
#pragma once

#include "app/frmprincipal.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest> // and with it all of QtCore: QPointer, QTimer, <functional>, <memory>

Q_DECLARE_METATYPE(numtext::NumberLocale)

namespace apptest {

// Names written one after another with blanks between them.
inline QStringList names(const char* list) {
    return QString::fromUtf8(list).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// The 19 text fields of the window, page by page.
inline const QStringList textFields =
    names("txtGrados1 txtMinutos1 txtSegundos1 txtGrados2 txtHoras1 txtMinutos2 txtSegundos2 "
          "txtHoras2 txtGrados3 txtGrados4 txtHoras3 txtHoras4 txtMedidas1 txtMedidas2 "
          "txtMedidas3 txtMedidas4 txtCelsius txtFahrenheit txtKelvin");

// A message as the tests compare it: "title | text", with " | warning" for a warning box.
inline QString describe(const convert::Message& message) {
    return QString::fromStdString(message.title + " | " + message.text) +
           (message.style == convert::MessageStyle::Warning ? " | warning" : "");
}

// The same of a modal window, when it is a message box.
inline QString describe(const QWidget& modal) {
    const auto* box = qobject_cast<const QMessageBox*>(&modal);
    if (!box)
        return "not a message box: " + modal.objectName();
    return box->windowTitle() + " | " + box->text() +
           (box->icon() == QMessageBox::Warning ? " | warning" : "");
}

// The main window as the user sees it; every message is recorded in `messages` instead.
class Window : public frmPrincipal {
public:
    explicit Window(const numtext::NumberLocale& locale = numtext::fullStopLocale) {
        setNumberLocale(locale);
        setMessageSink([this](const convert::Message& m) { messages << describe(m); });
        show();
        activateWindow();
        if (!QTest::qWaitForWindowActive(this))
            qWarning("the window did not become active");
    }

    frmPrincipal* operator->() { return this; }
    template <typename Control = QLineEdit> Control* get(const QString& name) const {
        return findChild<Control*>(name);
    }
    QStringList texts(std::initializer_list<const char*> names) const {
        QStringList result;
        for (const char* name : names)
            result << controlText(QString::fromLatin1(name));
        return result;
    }

    QStringList messages;
};

// Shows the page that holds `control` and gives it the focus as Tab would.
inline void focusOn(QWidget* control) {
    auto* tabs = control->window()->findChild<QTabWidget*>(QStringLiteral("tabFichas"));
    for (int page = 0; tabs && page < tabs->count(); ++page)
        if (tabs->widget(page)->isAncestorOf(control))
            tabs->setCurrentIndex(page);
    control->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(control->hasFocus());
}

// Types `text` over what `field` holds, then presses Enter there or in `enterIn`.
inline void typeAndEnter(QLineEdit* field, const QString& text, QWidget* enterIn = nullptr) {
    focusOn(field);
    field->selectAll();
    QTest::keyClicks(field, text);
    focusOn(enterIn ? enterIn : field);
    QTest::keyClick(enterIn ? enterIn : field, Qt::Key_Return);
}

// Runs `inside` on the modal window that `open` shows, once its loop runs, then closes whatever
// is still open so that a failure cannot leave the test waiting. False when nothing was modal.
inline bool whileModal(const std::function<void()>& open,
                       const std::function<void(QWidget*)>& inside) {
    bool ran = false;
    QObject guard; // a timer that never fired dies with it
    QTimer::singleShot(0, &guard, [&] {
        if (const QPointer<QWidget> modal = QApplication::activeModalWidget()) {
            ran = true;
            inside(modal);
            if (modal && modal->isVisible())
                modal->close();
        }
    });
    open();
    return ran;
}

} // namespace apptest
