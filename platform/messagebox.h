// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The message box of the running program: a modal QMessageBox with one OK button, the warning
// icon for the warning style and none otherwise.
#pragma once

#include "convert/message.h"

class QWidget;

namespace platform {

void showMessageBox(QWidget* parent, const convert::Message& message);

} // namespace platform
