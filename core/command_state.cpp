// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The command column's visibility table.
#include "core/command_state.h"

namespace prismora {

CommandState afterPlayStarts(CommandState state)
{
    const bool editorOpen =
        state == CommandState::Designing || state == CommandState::PlayingWithEditorOpen;
    return editorOpen ? CommandState::PlayingWithEditorOpen : CommandState::Playing;
}

CommandVisibility visibilityOf(CommandState state)
{
    switch (state) {
    case CommandState::NothingLoaded:
        return {true, false, false, false};
    case CommandState::Playing:
        return {true, false, false, true};
    case CommandState::Designing:
        return {false, true, true, true};
    case CommandState::PlayingWithEditorOpen:
        return {false, false, true, true};
    }
    return {true, false, false, false};
}

} // namespace prismora
