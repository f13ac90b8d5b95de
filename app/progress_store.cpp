// Solved levels in QSettings, one boolean per progress key, and the colour-blind aid's setting.
#include "app/progress_store.h"

#include <QSettings>

namespace prismora {
namespace {

constexpr QLatin1StringView ColourAidKey("display/colourAid");

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

bool ProgressStore::isColourAidOn() const
{
    return m_settings->value(ColourAidKey, false).toBool();
}

void ProgressStore::setColourAidOn(bool isOn)
{
    m_settings->setValue(ColourAidKey, isOn);
    m_settings->sync();
}

} // namespace prismora
