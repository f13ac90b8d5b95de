// Solved levels in QSettings, one boolean per progress key, and the colour-blind aid's setting.
#include "app/progress_store.h"

#include <QSettings>

namespace prismora {
namespace {

constexpr QLatin1StringView ColourAidKey("display/colourAid");
constexpr QLatin1StringView SavedGameGroup("savedGame");
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

bool ProgressStore::isColourAidOn() const
{
    return m_settings->value(ColourAidKey, false).toBool();
}

void ProgressStore::setColourAidOn(bool isOn)
{
    m_settings->setValue(ColourAidKey, isOn);
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
