// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screen_reader.h"

#include "app/frmprincipal.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>

namespace {

constexpr const char* unitListProperty = "tarabelUnitList";

class AnnouncerAccessible : public QAccessibleObject {
public:
    explicit AnnouncerAccessible(Announcer* announcer) : QAccessibleObject(announcer) {}

    QAccessible::Role role() const override { return QAccessible::Notification; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? static_cast<Announcer*>(object())->text() : QString();
    }
    QAccessible::State state() const override { return {}; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

// On Linux Qt names an editable list by its text: "Minutos" twice on the first page, and the edit
// part by nothing. Here the list goes by its own name and gives its text as its value.
class UnitListAccessible : public QAccessibleWidget {
public:
    explicit UnitListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return list()->accessibleName();
        case QAccessible::Value:
            return list()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }
    // The edit part is the one child: the drop-down is a window of its own.
    int childCount() const override { return list()->lineEdit() ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 && list()->lineEdit()
                   ? QAccessible::queryAccessibleInterface(list()->lineEdit())
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && list()->lineEdit() && child->object() == list()->lineEdit() ? 0 : -1;
    }
    QAccessibleInterface* focusChild() const override {
        return list()->hasFocus() ? child(0) : nullptr;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction())
            list()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* accessibleFor(const QString& className, QObject* object) {
    if (className == QLatin1String("Announcer"))
        return new AnnouncerAccessible(static_cast<Announcer*>(object));
    if (className == QLatin1String("QComboBox") && object->property(unitListProperty).toBool())
        return new UnitListAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

Announcer::Announcer(QObject* parent) : QObject(parent) {}

void Announcer::say(const QString& text) {
    if (text.isEmpty())
        return;
    text_ = text;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.8 tells the screen reader an announcement as such.
    QAccessibleAnnouncementEvent announcement(this, text);
    QAccessible::updateAccessibility(&announcement);
#else
    // Before it, a screen reader speaks a notification when it is shown.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
#endif
    emit said(text);
}

namespace screen_reader {

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    (void)installed;
}

void markAsUnitList(QComboBox* list) {
    list->setProperty(unitListProperty, true);
}

} // namespace screen_reader
