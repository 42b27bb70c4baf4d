// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <QFileInfo>
#endif

namespace platform {

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

bool isPlainFile(const std::string& path) {
    if (path.empty())
        return false;
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(fromUtf8(path).toStdWString().c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes &
            (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
#else
    const QFileInfo file(fromUtf8(path));
    return file.isFile() && !file.isHidden();
#endif
}

std::string findProgram(std::string_view name) {
    return QStandardPaths::findExecutable(
               QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())))
        .toStdString();
}

bool startProgram(const std::string& path) {
    if (path.empty())
        return false;
    return QProcess::startDetached(fromUtf8(path), {});
}

} // namespace platform
