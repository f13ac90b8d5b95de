// The levels the player has solved and the colour-blind aid's setting, kept in the per-user
// settings.
#pragma once

#include <QString>

#include <memory>
#include <string>

class QSettings;

namespace prismora {

// Solved levels by their progress key (core/progress.h), in the group
// "solved" of a settings file, and whether the player wants the colour-blind
// aid ("display/colourAid", off when absent).
class ProgressStore {
public:
    // `file` empty: the game's per-user settings in the XDG config folder
    // ($XDG_CONFIG_HOME/Prismora/Prismora.conf); otherwise that INI file.
    explicit ProgressStore(const QString& file);
    ~ProgressStore();
    ProgressStore(const ProgressStore&) = delete;
    ProgressStore& operator=(const ProgressStore&) = delete;

    bool isSolved(const std::string& key) const;
    // Records the level as solved and writes the settings file at once, so a
    // crash afterwards loses nothing. A file that cannot be written keeps the
    // record for this run only.
    void markSolved(const std::string& key);

    bool isColourAidOn() const;
    // Written at once, as a solved level is.
    void setColourAidOn(bool isOn);

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace prismora
