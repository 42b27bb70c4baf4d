// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The texts that Qt itself draws (the buttons of message boxes, the context menu of text fields)
// in the user's language. The program's own texts are Spanish and never go through a translator.
#pragma once

#include <QLocale>

class QTranslator;

// Loads Qt's own translation for `locale` from Qt's translations folder and installs it in the
// running application. Returns the installed translator, owned by the application, or nullptr
// when Qt has no translation for that language (Qt's English texts then stay).
QTranslator* installQtTranslations(const QLocale& locale);
