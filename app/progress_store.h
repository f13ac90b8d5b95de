// The levels the player has solved and the colour-blind aid's setting, kept in the per-user
// settings.
#pragma once

#include "app/language.h"
#include "core/session_store.h"

#include <QString>

#include <memory>
#include <string>

class QSettings;

namespace prismora {

// Solved levels by their progress key (core/progress.h), in the group
// "solved" of a settings file; the record of the game "Avsluta" saved, in
// the group "savedGame"; and whether the player wants the colour-blind aid
// ("display/colourAid", off when absent) and in which language. Every change is written at once, so
// a crash afterwards loses nothing; a file that cannot be written keeps the
// record for this run only.
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
    std::optional<SavedGameRecord> savedGameRecord() const override;
    void rememberSavedGame(const SavedGameRecord& record) override;

    bool isColourAidOn() const;
    void setColourAidOn(bool isOn);

    // The player's "Språk" ("display/language"; the system's when absent).
    LanguageChoice languageChoice() const;
    void setLanguageChoice(LanguageChoice choice);

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace prismora
