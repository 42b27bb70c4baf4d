// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the main window that have colours of their own, kept readable on the desktop's
// theme and recomputed whenever the theme changes while the program runs.
#include "app/frmprincipal.h"

#include "app/numlock_panel.h"
#include "app/page_tabs.h"
#include "platform/theme.h"

#include <QEvent>
#include <QLabel>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>

namespace {
// The tab captions and the headings were designed dark grey on light grey.
const QColor designedGrey(64, 64, 64);
} // namespace

void frmPrincipal::applyThemeColours() {
    if (!numLockPanel_)
        return; // the window is still being built; the end of the build applies them
    // The window's palette is already the new one; its controls may not have received it yet.
    const QPalette& colours = palette();

    // A caption is drawn on its tab selected or not: it must read on the poorer of the two.
    auto* tabs = static_cast<PageTabs*>(tabFichas);
    for (int index = 0; index < tabs->count(); ++index) {
        QStyleOptionTab option = tabs->tabOption(index);
        QColor caption = designedGrey;
        for (const bool selected : {true, false}) {
            option.state.setFlag(QStyle::State_Selected, selected);
            caption = theme::readable(caption, theme::tabBackground(style(), option, colours));
        }
        tabs->tabBar()->setTabTextColor(index, caption);
    }

    const QColor page = theme::pageBackground(style(), tabs->frameOption(), colours);
    const QColor heading = theme::readable(designedGrey, page);
    for (QLabel* label : {labHorasyGrados, labMedidas, labTemperaturas})
        theme::setTextColour(label, heading);
    // The dew-point warning has the system colour of the application workspace. Qt has no role
    // for it; QPalette::Dark is the one Qt itself paints a workspace with (QMdiArea), and the
    // closest system colour.
    theme::setTextColour(labAvisoRocio, theme::readable(colours.color(QPalette::Dark), page));

    numLockPanel_->restyle();
}

void frmPrincipal::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        applyThemeColours();
    QMainWindow::changeEvent(event);
}
