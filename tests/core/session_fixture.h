// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A game session on a scratch series and player folder, with its settings kept in memory.
#pragma once

#include "scratch_dir.h"

#include "core/game_session.h"
#include "core/level_file.h"

#include <map>
#include <memory>
#include <set>

namespace prismora::testing {

class MemoryStore : public SessionStore {
public:
    bool isSolved(const std::string& key) const override { return solved.contains(key); }
    void markSolved(const std::string& key) override { solved.insert(key); }
    std::optional<LevelRecord> levelRecord(const std::string& key) const override
    {
        const auto found = records.find(key);
        return found == records.end() ? std::nullopt : std::optional(found->second);
    }
    void keepLevelRecord(const std::string& key, const LevelRecord& record) override
    {
        records[key] = record;
    }
    std::optional<SavedGameRecord> savedGameRecord() const override { return saved; }
    void rememberSavedGame(const SavedGameRecord& record) override { saved = record; }
    std::vector<GeneratedRecord> generatedLevels() const override { return generated; }
    void rememberGenerated(const GeneratedRecord& record) override
    {
        GeneratedRecord kept = record;
        std::erase_if(generated, [&](const GeneratedRecord& old) {
            kept.isSolved = kept.isSolved || (old.seedCode == record.seedCode && old.isSolved);
            return old.seedCode == record.seedCode;
        });
        generated.insert(generated.begin(), kept);
    }

    std::set<std::string> solved;
    std::map<std::string, LevelRecord> records;
    std::optional<SavedGameRecord> saved;
    std::vector<GeneratedRecord> generated;
};

// A red cannon at column 1, row 5 firing east and a red lamp at column 5,
// row 1; the mirror in the hand, set at column 5, row 5 turned to direction
// 3, sends the beam north into the lamp.
inline constexpr std::string_view MirrorLevel =
    "[LevelParametrar]\nNamn=Spegel\nEmpty=True\n"
    "[Sak0]\nTyp=5\nTop=1\nLeft=5\n"
    "[Sak1]\nTyp=0\nTop=5\nLeft=5\nDirection=3\n"
    "[Cannon0]\nTop=5\nLeft=1\nDirection=0\nColor=255\n";

// As MirrorLevel with a bomb at column 5, row 8: a mirror at (5, 5) turned
// to 5 sends the beam south into it.
inline constexpr std::string_view BombLevel = "[LevelParametrar]\nNamn=Bomb\nEmpty=True\n"
                                              "[Sak0]\nTyp=5\nTop=1\nLeft=5\n"
                                              "[Sak1]\nTyp=13\nTop=8\nLeft=5\n"
                                              "[Sak2]\nTyp=0\nTop=5\nLeft=5\nDirection=3\n"
                                              "[Cannon0]\nTop=5\nLeft=1\nDirection=0\nColor=255\n";

// A series of three levels in one scratch folder and a player folder inside it.
class SessionFixture {
public:
    explicit SessionFixture(const std::filesystem::path& base = {}) : m_dir(base)
    {
        m_dir.write("Level01.prl", MirrorLevel);
        m_dir.write("Level02.prl", BombLevel);
        m_dir.write("Level03.prl", MirrorLevel);
        std::filesystem::create_directories(playerFolder());
        restartGame();
    }

    SessionFolders folders() const { return {m_dir.path(), playerFolder()}; }
    std::filesystem::path playerFolder() const { return m_dir / "player"; }
    std::filesystem::path seriesFile(int number) const
    {
        return m_dir / ("Level0" + std::to_string(number) + ".prl");
    }
    const ScratchDir& dir() const { return m_dir; }

    // A new session on the same folders and settings, as after a restart of the game.
    void restartGame()
    {
        session = std::make_unique<GameSession>(folders(), store, [this] { return now; });
    }

private:
    ScratchDir m_dir;

public:
    MemoryStore store;
    // The session's clock: it stands still until a test moves it.
    std::chrono::milliseconds now{0};
    std::unique_ptr<GameSession> session;
};

// Puts a piece (or cannon) of palette row `row` on (column, row) by keys,
// turned `turns` steps anticlockwise from east.
inline void putByKeys(GameSession& session, int paletteRow, int column, int row, int turns = 0)
{
    session.takeIntoHand(paletteRow);
    for (int i = 0; i < turns; ++i) {
        session.turnAtCursor(Turn::Anticlockwise);
    }
    session.moveCursor(column - 1, 0);
    for (int i = 1; i < row; ++i) {
        session.moveCursor(0, 1);
    }
    session.pickUpOrPutDown();
}

} // namespace prismora::testing
