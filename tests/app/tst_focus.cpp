// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Focus and selection stay as the user left them: a change of page runs no focus handler and
// keeps the button Enter presses; focus that only comes back (after the About window, a message
// box: see tst_pages) keeps the selection.
#include "helpers/window_test.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

using apptest::focusOn;

namespace {

// The ways a user changes page: "tab" clicks its tab, "key" presses Alt with its letter, "menu"
// chooses its item of the Opciones menu.
void changePage(frmPrincipal& window, int page, const QString& way) {
    QTabBar* strip = window.tabFichas->tabBar();
    if (way == "tab")
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(page).center());
    else if (way == "key")
        QTest::keyClick(QApplication::focusWidget(),
                        std::array{Qt::Key_H, Qt::Key_D, Qt::Key_T}[page], Qt::AltModifier);
    else
        std::array{window.mnuHoras, window.mnuDistancias, window.mnuTemperatura}[page]->trigger();
    QCOMPARE(window.tabFichas->currentIndex(), page);
}

// Opens the field's real context menu with a right click and chooses its item for `key`, found by
// its shortcut, as a user does: the pointer moves onto the item, then clicks it. (A menu takes no
// click from a pointer that has not moved since it opened.)
void contextMenuItem(QLineEdit* field, QKeySequence::StandardKey key) {
    const QPoint at(4, 4);
    QTest::mouseMove(field, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, field->mapToGlobal(at));
    QApplication::sendEvent(field, &event);
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    auto* menu = static_cast<QMenu*>(QApplication::activePopupWidget());
    const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
    QAction* item = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().endsWith(QLatin1Char('\t') + shortcut))
            item = action;
    QVERIFY2(item && item->isEnabled(), qPrintable(shortcut));
    const QPoint centre = menu->actionGeometry(item).center();
    for (const QPoint step : {centre - QPoint(20, 0), centre - QPoint(10, 0), centre})
        QTest::mouseMove(menu, step);
    QTRY_COMPARE(menu->activeAction(), item);
    QTest::mouseClick(menu, Qt::LeftButton, {}, centre);
    QTRY_VERIFY(!QApplication::activePopupWidget() && field->hasFocus());
}

} // namespace

class FocusTest : public QObject {
    Q_OBJECT

private slots:
    // A value typed in a field of one page, another page chosen, Enter: the first page's button
    // runs, and the new page's fields are not touched. Each row: the field, the page to go to,
    // the way there, the button Enter must press.
    void changeOfPageKeepsTheEnterTarget_data() {
        QTest::addColumn<numtext::NumberLocale>("locale");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("button");
        const std::pair<const char*, numtext::NumberLocale> locales[] = {
            {"full stop", numtext::fullStopLocale}, {"comma", numtext::commaLocale}};
        const std::tuple<const char*, int, const char*> rows[] = {
            {"txtGrados3", 2, "cmdDecADec1"},
            {"txtCelsius", 0, "cmdCelsius"},
            {"txtMedidas2", 2, "cmdMedidas1"}};
        for (const auto& [name, locale] : locales)
            for (const char* way : {"tab", "key", "menu"})
                for (const auto& [field, page, button] : rows)
                    QTest::addRow("%s to page %d by %s, %s", field, page + 1, way, name)
                        << locale << field << page << way << button;
    }

    void changeOfPageKeepsTheEnterTarget() {
        QFETCH(numtext::NumberLocale, locale);
        QFETCH(QString, field);
        QFETCH(int, page);
        QFETCH(QString, way);
        QFETCH(QString, button);
        apptest::Window window(locale);
        QLineEdit* typedIn = window.get(field);
        focusOn(typedIn);
        QTest::mouseClick(typedIn, Qt::LeftButton, {}, QPoint(4, 8));
        QTest::keyClicks(typedIn, locale.decimal == "," ? "1,5" : "1.5");
        QSignalSpy pressed(window.get<QPushButton>(button), &QPushButton::clicked);

        changePage(window, page, way);
        // The focus is on the tab strip; no field of the new page was entered.
        QTRY_COMPARE(QApplication::focusWidget(), window.tabFichas->tabBar());
        QCOMPARE(window.defaultButton(), window.get<QPushButton>(button));
        for (QLineEdit* other : window.tabFichas->widget(page)->findChildren<QLineEdit*>())
            QVERIFY2(other->selectedText().isEmpty(), qPrintable(other->objectName()));

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(pressed.count(), 1);
        QVERIFY(window.messages.isEmpty());
    }

    // A change of page from a control that is not a field, or with the focus outside the pages.
    void changeOfPageFromOtherControls() {
        apptest::Window window;
        window.setDefaultButton(window.cmdMedidas2);
        focusOn(window.comMedidas3);
        changePage(window, 0, "key");
        QTRY_COMPARE(QApplication::focusWidget(), window.tabFichas->tabBar());
        focusOn(window.cmdLimpiar);
        changePage(window, 2, "tab");
        QCOMPARE(QApplication::focusWidget(), window.cmdLimpiar);
        QCOMPARE(window.defaultButton(), window.cmdMedidas2);
    }

    // After the About window, opened by mouse or by keyboard through the menu bar, the focus is
    // back on the field, with its selection, and the next key typed lands there.
    void aboutWindowGivesTheFocusBack_data() {
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("menu item") << false;
        QTest::newRow("keyboard") << true;
    }

    void aboutWindowGivesTheFocusBack() {
        QFETCH(bool, byKeyboard);
        apptest::Window window;
        window.txtGrados2->setText("12.5");
        focusOn(window.txtGrados2);
        window.txtGrados2->setSelection(0, 2);
        window.setDefaultButton(window.cmdKelvin);
        QVERIFY(apptest::whileModal(
            [&] {
                if (!byKeyboard) {
                    window.mnuAcercaDe->trigger();
                    return;
                }
                QTest::keyClick(window.txtGrados2, Qt::Key_O, Qt::AltModifier);
                QTRY_VERIFY(QApplication::activePopupWidget());
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
                QTest::keyClick(window.menuBar(), Qt::Key_Return);
            },
            [](QWidget* modal) { QTest::keyClick(modal->focusWidget(), Qt::Key_Escape); }));
        window.activateWindow(); // as the window manager does when the modal window closes
        QTRY_COMPARE(QApplication::focusWidget(), window.txtGrados2);
        QCOMPARE(window.txtGrados2->selectedText(), QStringLiteral("12"));
        QCOMPARE(window.defaultButton(), window.cmdKelvin);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_3);
        QCOMPARE(window.txtGrados2->text(), QStringLiteral("3.5"));
    }

    // The context menu acts on the selection and runs no focus handler; pastes are not cut.
    void contextMenuKeepsTheSelection() {
        apptest::Window window;
        window.txtGrados2->setText("12.5");
        focusOn(window.txtGrados2);
        window.setDefaultButton(window.cmdKelvin);
        window.txtGrados2->setSelection(0, 2);
        contextMenuItem(window.txtGrados2, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12"));
        QApplication::clipboard()->setText("X");
        window.txtGrados2->setCursorPosition(2);
        contextMenuItem(window.txtGrados2, QKeySequence::Paste);
        QCOMPARE(window.txtGrados2->text(), QStringLiteral("12X.5"));
        QCOMPARE(window.defaultButton(), window.cmdKelvin);
        QApplication::clipboard()->setText(QString(100000, QLatin1Char('1')));
        window.cmdPegar3->click();
        QCOMPARE(window.txtMedidas3->text().size(), 100000);
    }
};

QTEST_MAIN(FocusTest)
#include "tst_focus.moc"
