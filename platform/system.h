// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Services of the operating system: asking whether a file is there, finding a program and
// starting it.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// True when a plain file (not a folder, not hidden, not a system file) exists at the UTF-8 path.
bool isPlainFile(const std::string& path);

// The UTF-8 path of the first executable file called `name` in the folders of the search path
// (PATH, read at each call); empty when there is none.
std::string findProgram(std::string_view name);

// Starts the program whose file is at the UTF-8 path, with no arguments, as a process of its own
// that runs on after ours ends. The path is handed to the system as the program itself, never to
// a shell, so blanks and shell characters in it are only characters of the name. False when the
// program could not be started (an empty path, no such file, not executable).
bool startProgram(const std::string& path);

} // namespace platform
