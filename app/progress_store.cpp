// Solved levels and records in QSettings by progress key, and the player's settings.
#include "app/progress_store.h"

#include <QSettings>

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

} // namespace prismora
