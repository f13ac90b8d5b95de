// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The levels the player has solved, their records and the player's settings, kept in the per-user
// settings.
#pragma once

#include "app/language.h"
#include "core/session_store.h"

#include <QString>

#include <memory>
#include <string>

class QSettings;

namespace prismora {

// The player's on/off choices, each remembered in the settings file.
enum class PlayerSetting {
    ColourAid,     // "display/colourAid", off when absent
    ForgivingMode, // "play/forgiving", off when absent
    Animations,    // "display/animations", on when absent
    Sound,         // "sound/on", on when absent
};

// Solved levels by their progress key (core/progress.h), in the group
// "solved" of a settings file; each level's record as "moves,milliseconds"
// in the group "records"; the record of the game "Avsluta" saved, in the
// group "savedGame"; the generated levels played, in "generated"; and the
// player's settings, the language among them. Every change is written at
// once, so a crash afterwards loses nothing; a file that cannot be written
// keeps the record for this run only.
class ProgressStore : public SessionStore {
public:
    // `file` empty: the game's per-user settings in the XDG config folder
    // ($XDG_CONFIG_HOME/Prismora/Prismora.conf); otherwise that INI file.
    explicit ProgressStore(const QString& file);
    ~ProgressStore() override;
    ProgressStore(const ProgressStore&) = delete;
    ProgressStore& operator=(const ProgressStore&) = delete;

    bool isSolved(const std::string& key) const override;
    void markSolved(const std::string& key) override;
    std::optional<LevelRecord> levelRecord(const std::string& key) const override;
    void keepLevelRecord(const std::string& key, const LevelRecord& record) override;
    std::optional<SavedGameRecord> savedGameRecord() const override;
    void rememberSavedGame(const SavedGameRecord& record) override;
    // In the group "generated", at most MaxGenerated, the oldest dropped first.
    std::vector<GeneratedRecord> generatedLevels() const override;
    void rememberGenerated(const GeneratedRecord& record) override;

    static constexpr int MaxGenerated = 200;

    bool isOn(PlayerSetting setting) const;
    void setOn(PlayerSetting setting, bool isOn);

    // Other switches of the display, as "display/<name>"; off when absent.
    bool isDisplaySwitchOn(const QString& name) const;
    void setDisplaySwitch(const QString& name, bool isOn);

    // The player's "Språk" ("display/language"; the system's when absent).
    LanguageChoice languageChoice() const;
    void setLanguageChoice(LanguageChoice choice);

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace prismora
