// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game session keeps between runs: solved levels, personal records, generated levels and
// the saved game.
#pragma once

#include "core/level_origin.h"
#include "core/personal_record.h"

#include <optional>
#include <string>
#include <vector>

namespace prismora {

// The window keeps these in the player's settings; tests keep them in memory.
class SessionStore {
public:
    virtual ~SessionStore() = default;

    virtual bool isSolved(const std::string& progressKey) const = 0;
    virtual void markSolved(const std::string& progressKey) = 0;

    // The fewest moves and shortest time of the level's solves; nothing
    // before its first solve.
    virtual std::optional<LevelRecord> levelRecord(const std::string& progressKey) const = 0;
    virtual void keepLevelRecord(const std::string& progressKey, const LevelRecord& record) = 0;

    virtual std::optional<SavedGameRecord> savedGameRecord() const = 0;
    virtual void rememberSavedGame(const SavedGameRecord& record) = 0;

    // Generated levels by their seed code, the most recent first. A record
    // for a code already kept replaces it, except that a solved level stays
    // solved.
    virtual std::vector<GeneratedRecord> generatedLevels() const = 0;
    virtual void rememberGenerated(const GeneratedRecord& record) = 0;
};

} // namespace prismora
