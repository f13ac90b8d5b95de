// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// --render: the one command-line mode that paints, and so needs Qt.
#pragma once

#include <string>
#include <vector>

namespace prismora {

// Loads LEVEL, paints its board as the game shows it and writes the picture
// to OUT by its extension. Returns the exit code: 0 written, 1 the picture
// could not be written, 2 bad usage or a missing or refused level.
int runRenderCommand(const std::vector<std::string>& args);

} // namespace prismora
