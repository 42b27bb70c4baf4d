// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/messagebox.h"

#include <QMessageBox>

namespace platform {

void showMessageBox(QWidget* parent, const convert::Message& message) {
    const auto icon = message.style == convert::MessageStyle::Warning ? QMessageBox::Warning
                                                                      : QMessageBox::NoIcon;
    QMessageBox box(icon, QString::fromStdString(message.title),
                    QString::fromStdString(message.text), QMessageBox::Ok, parent);
    box.exec();
}

} // namespace platform
