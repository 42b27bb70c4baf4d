// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Two services of the operating system: asking whether a file is there and starting a program.
#pragma once

#include <string>

namespace platform {

// True when a plain file (not a folder, not hidden, not a system file) exists at the UTF-8 path.
bool isPlainFile(const std::string& path);

// Starts the program whose file is at the UTF-8 path, with no arguments, as a process of its own
// that runs on after ours ends. The path is handed to the system as the program itself, never to
// a shell, so blanks and shell characters in it are only characters of the name. False when the
// program could not be started (an empty path, no such file, not executable).
bool startProgram(const std::string& path);

} // namespace platform
