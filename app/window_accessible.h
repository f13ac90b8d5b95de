// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the main window and its status lines present themselves to a screen reader.
#pragma once

namespace prismora {

// Lets Qt's accessibility present the main window as a frame named by the
// game, and the status line and its passing message (object names
// "statusLabel" and "feedbackLabel") as status bars, whose every new text a
// screen reader hears as a name change. Idempotent.
void installWindowAccessibility();

} // namespace prismora
