// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which commands the window offers: the four states the command column can be in.
#pragma once

namespace prismora {

// The window's command states, and what each shows (every button not named
// is the same in all states: "Skapa nytt spel" and "Avsluta" always shown):
//
//   state                  "Ladda spel..."  design commands  "Ångra nytt spel"  snapshots
//   NothingLoaded          shown            hidden           hidden             hidden
//   Playing                shown            hidden           hidden             shown
//   Designing              hidden           shown            shown              shown
//   PlayingWithEditorOpen  hidden           hidden           shown              shown
//
// The design commands are "Spara som nytt spel..." and "Testa spel...", the
// snapshots "Ta skärmdump" and "Spara spelposition". A level loaded (or the
// design played) while the editor is open keeps "Ångra nytt spel" on offer
// and "Ladda spel..." out of reach until the editor is left.
enum class CommandState { NothingLoaded, Playing, Designing, PlayingWithEditorOpen };

// The state after a level is loaded or "Spela laddat spel" in `state`.
CommandState afterPlayStarts(CommandState state);

struct CommandVisibility {
    bool open;
    bool design;
    bool discardDesign;
    bool snapshots;
};

CommandVisibility visibilityOf(CommandState state);

} // namespace prismora
