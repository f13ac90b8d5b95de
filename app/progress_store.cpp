// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Solved levels and records in QSettings by progress key, the generated levels played, and the
// player's settings.
#include "app/progress_store.h"

#include <QSettings>

#include <algorithm>

namespace prismora {
namespace {

struct SettingKey {
    QLatin1StringView key;
    bool isOnWhenAbsent;
};

SettingKey settingKey(PlayerSetting setting)
{
    switch (setting) {
    case PlayerSetting::ColourAid:
        return {QLatin1StringView("display/colourAid"), false};
    case PlayerSetting::ForgivingMode:
        return {QLatin1StringView("play/forgiving"), false};
    case PlayerSetting::Animations:
        return {QLatin1StringView("display/animations"), true};
    case PlayerSetting::Sound:
        return {QLatin1StringView("sound/on"), true};
    }
    return {QLatin1StringView("unknown"), false};
}

QString recordKey(const std::string& key)
{
    return QStringLiteral("records/") + QString::fromStdString(key);
}
constexpr QLatin1StringView SavedGameGroup("savedGame");
constexpr QLatin1StringView GeneratedGroup("generated");
constexpr QLatin1StringView LanguageKey("display/language");

QString solvedKey(const std::string& key)
{
    return QStringLiteral("solved/") + QString::fromStdString(key);
}

} // namespace

ProgressStore::ProgressStore(const QString& file)
    : m_settings(file.isEmpty() ? std::make_unique<QSettings>(QStringLiteral("Prismora"),
                                                              QStringLiteral("Prismora"))
                                : std::make_unique<QSettings>(file, QSettings::IniFormat))
{
}

ProgressStore::~ProgressStore() = default;

bool ProgressStore::isSolved(const std::string& key) const
{
    return m_settings->value(solvedKey(key), false).toBool();
}

void ProgressStore::markSolved(const std::string& key)
{
    if (isSolved(key)) {
        return;
    }
    m_settings->setValue(solvedKey(key), true);
    m_settings->sync();
}

std::optional<SavedGameRecord> ProgressStore::savedGameRecord() const
{
    m_settings->beginGroup(SavedGameGroup);
    std::optional<SavedGameRecord> record;
    bool isHash = false;
    const std::uint64_t hash =
        m_settings->value(QStringLiteral("fileHash")).toString().toULongLong(&isHash, 16);
    if (isHash) {
        record = SavedGameRecord{};
        record->fileHash = hash;
        record->seriesFileName =
            m_settings->value(QStringLiteral("seriesFile")).toString().toStdString();
        record->progressKey =
            m_settings->value(QStringLiteral("progressKey")).toString().toStdString();
        record->isDesign = m_settings->value(QStringLiteral("isDesign"), false).toBool();
        for (const QString& count : m_settings->value(QStringLiteral("editorPalette"))
                                        .toString()
                                        .split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            record->editorPalette.push_back(count.toInt());
        }
    }
    m_settings->endGroup();
    return record;
}

void ProgressStore::rememberSavedGame(const SavedGameRecord& record)
{
    QStringList counts;
    for (const int count : record.editorPalette) {
        counts.append(QString::number(count));
    }
    m_settings->beginGroup(SavedGameGroup);
    m_settings->setValue(QStringLiteral("fileHash"), QString::number(record.fileHash, 16));
    m_settings->setValue(QStringLiteral("seriesFile"),
                         QString::fromStdString(record.seriesFileName));
    m_settings->setValue(QStringLiteral("progressKey"), QString::fromStdString(record.progressKey));
    m_settings->setValue(QStringLiteral("isDesign"), record.isDesign);
    m_settings->setValue(QStringLiteral("editorPalette"), counts.join(QLatin1Char(',')));
    m_settings->endGroup();
    m_settings->sync();
}

std::vector<GeneratedRecord> ProgressStore::generatedLevels() const
{
    std::vector<GeneratedRecord> records;
    const int count = std::min(m_settings->beginReadArray(GeneratedGroup), MaxGenerated);
    for (int i = 0; i < count; ++i) {
        m_settings->setArrayIndex(i);
        GeneratedRecord record;
        record.seedCode = m_settings->value(QStringLiteral("code")).toString().toStdString();
        record.levelCode = m_settings->value(QStringLiteral("level")).toString().toStdString();
        record.name = m_settings->value(QStringLiteral("name")).toString().toStdString();
        record.isDaily = m_settings->value(QStringLiteral("daily"), false).toBool();
        record.isSolved = m_settings->value(QStringLiteral("solved"), false).toBool();
        if (!record.seedCode.empty()) {
            records.push_back(std::move(record));
        }
    }
    m_settings->endArray();
    return records;
}

void ProgressStore::rememberGenerated(const GeneratedRecord& record)
{
    std::vector<GeneratedRecord> records = generatedLevels();
    GeneratedRecord kept = record;
    std::erase_if(records, [&](const GeneratedRecord& old) {
        const bool isSame = old.seedCode == record.seedCode;
        kept.isSolved = kept.isSolved || (isSame && old.isSolved);
        return isSame;
    });
    records.insert(records.begin(), std::move(kept));
    records.resize(std::min<std::size_t>(records.size(), MaxGenerated));
    m_settings->remove(GeneratedGroup);
    m_settings->beginWriteArray(GeneratedGroup, static_cast<int>(records.size()));
    for (int i = 0; i < static_cast<int>(records.size()); ++i) {
        const GeneratedRecord& each = records[static_cast<std::size_t>(i)];
        m_settings->setArrayIndex(i);
        m_settings->setValue(QStringLiteral("code"), QString::fromStdString(each.seedCode));
        m_settings->setValue(QStringLiteral("level"), QString::fromStdString(each.levelCode));
        m_settings->setValue(QStringLiteral("name"), QString::fromStdString(each.name));
        m_settings->setValue(QStringLiteral("daily"), each.isDaily);
        m_settings->setValue(QStringLiteral("solved"), each.isSolved);
    }
    m_settings->endArray();
    m_settings->sync();
}

bool ProgressStore::isOn(PlayerSetting setting) const
{
    const SettingKey key = settingKey(setting);
    return m_settings->value(key.key, key.isOnWhenAbsent).toBool();
}

void ProgressStore::setOn(PlayerSetting setting, bool isOn)
{
    if (this->isOn(setting) == isOn) {
        return;
    }
    m_settings->setValue(settingKey(setting).key, isOn);
    m_settings->sync();
}

std::optional<LevelRecord> ProgressStore::levelRecord(const std::string& key) const
{
    // A value that is not two whole numbers (an edited file) counts as no record.
    const QStringList parts = m_settings->value(recordKey(key)).toString().split(QLatin1Char(','));
    bool isMoves = false;
    bool isTime = false;
    const int moves = parts.value(0).toInt(&isMoves);
    const qlonglong milliseconds = parts.value(1).toLongLong(&isTime);
    if (parts.size() != 2 || !isMoves || !isTime || moves < 0 || milliseconds < 0) {
        return std::nullopt;
    }
    return LevelRecord{moves, milliseconds};
}

void ProgressStore::keepLevelRecord(const std::string& key, const LevelRecord& record)
{
    m_settings->setValue(
        recordKey(key),
        QStringLiteral("%1,%2").arg(record.fewestMoves).arg(record.shortestMilliseconds));
    m_settings->sync();
}

bool ProgressStore::isDisplaySwitchOn(const QString& name) const
{
    return m_settings->value(QStringLiteral("display/") + name, false).toBool();
}

void ProgressStore::setDisplaySwitch(const QString& name, bool isOn)
{
    m_settings->setValue(QStringLiteral("display/") + name, isOn);
    m_settings->sync();
}

LanguageChoice ProgressStore::languageChoice() const
{
    return choiceFromKey(m_settings->value(LanguageKey).toString());
}

void ProgressStore::setLanguageChoice(LanguageChoice choice)
{
    m_settings->setValue(LanguageKey, choiceKey(choice));
    m_settings->sync();
}

} // namespace prismora
