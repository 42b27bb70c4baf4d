// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is told beyond what Qt tells it by itself: the results of a conversion,
// spoken without moving the focus, and the names of the unit lists.
#pragma once

#include <QObject>
#include <QString>

class QComboBox;

// Speaks a text through the screen reader: an accessible object of the notification role whose
// name is the text, shown anew each time. Screen readers speak such an object when it is shown,
// whichever control has the focus.
class Announcer : public QObject {
    Q_OBJECT

public:
    explicit Announcer(QObject* parent);
    void say(const QString& text);
    const QString& text() const { return text_; }

signals:
    void said(const QString& text);

private:
    QString text_;
};

namespace screen_reader {

// Lets the two kinds of object above reach the screen reader: the announcer, and the unit lists
// named with markAsUnitList, which Qt would otherwise name by their current text. Runs once,
// after the application object exists and before any of these objects is asked for.
void installAccessibility();

// A unit list that goes by its own accessible name, its text being its value; its edit part
// takes the same name.
void markAsUnitList(QComboBox* list);

} // namespace screen_reader
