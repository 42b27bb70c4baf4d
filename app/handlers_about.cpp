// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmprincipal.h"

#include "about/frmabout.h"

// Opens the About window modally; it is built and loaded afresh each time and ends when closed.
void frmPrincipal::mnuAcercaDe_Click() {
    auto* aboutWindow = new frmAbout(about::systemServices(), this);
    aboutWindow->setAttribute(Qt::WA_DeleteOnClose);
    runModal([aboutWindow] { aboutWindow->exec(); });
}
