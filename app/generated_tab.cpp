// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The tab of generated levels: tier buttons, the daily puzzle, the code field and the list.
#include "app/generated_tab.h"

#include "app/level_chooser.h"
#include "core/seed_code.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace prismora {
namespace {

constexpr const char* TierTitles[TierCount] = {
    QT_TRANSLATE_NOOP("prismora::GeneratedTab", "Lätt"),
    QT_TRANSLATE_NOOP("prismora::GeneratedTab", "Medel"),
    QT_TRANSLATE_NOOP("prismora::GeneratedTab", "Svår"),
    QT_TRANSLATE_NOOP("prismora::GeneratedTab", "Mästare")};

} // namespace

GeneratedTab::GeneratedTab(const std::vector<ChooserGenerated>& levels, QWidget* parent)
    : QWidget(parent), m_list(new QListWidget(this))
{
    setObjectName(QStringLiteral("generatedTab"));
    LevelChooser::styleLevelList(*m_list);
    m_list->setObjectName(QStringLiteral("generatedList"));
    m_list->setAccessibleName(tr("Slumpade banor du har spelat"));
    for (int i = 0; i < static_cast<int>(levels.size()); ++i) {
        const ChooserGenerated& level = levels[static_cast<std::size_t>(i)];
        // A generated level's name already ends with its code.
        const QString title = level.isDaily ? tr("Dagens pussel") : level.name;
        const QString text = title.endsWith(level.seedCode)
                                 ? title.chopped(level.seedCode.size()).trimmed() +
                                       QLatin1Char('\n') + level.seedCode
                                 : title + QLatin1Char('\n') + level.seedCode;
        auto* item =
            new QListWidgetItem(LevelChooser::thumbnailIcon(level.thumbnail, level.isSolved),
                                level.isSolved ? QStringLiteral("✓ ") + text : text);
        item->setData(LevelChooser::SolvedRole, level.isSolved);
        item->setData(LevelChooser::IndexRole, i);
        item->setToolTip(level.name);
        m_list->addItem(item);
    }
    connect(m_list, &QListWidget::itemActivated, this, &GeneratedTab::chooseSelected);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildButtons());
    layout->addWidget(buildCodeField());
    layout->addWidget(m_list);
}

QWidget* GeneratedTab::buildButtons()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int tier = 0; tier < TierCount; ++tier) {
        auto* button = new QPushButton(tr(TierTitles[tier]), row);
        button->setObjectName(QStringLiteral("tierButton%1").arg(tier));
        button->setAccessibleName(tr("Ny slumpad bana: %1").arg(tr(TierTitles[tier])));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, tier] { emit tierChosen(tier); });
        layout->addWidget(button);
    }
    auto* daily = new QPushButton(tr("Dagens pussel"), row);
    daily->setObjectName(QStringLiteral("dailyButton"));
    daily->setAccessibleName(tr("Dagens pussel"));
    daily->setAutoDefault(false);
    connect(daily, &QPushButton::clicked, this, &GeneratedTab::dailyChosen);
    layout->addWidget(daily);
    return row;
}

QWidget* GeneratedTab::buildCodeField()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(tr("Ange kod:"), row);
    m_codeEdit = new QLineEdit(row);
    m_codeEdit->setObjectName(QStringLiteral("codeEdit"));
    m_codeEdit->setAccessibleName(tr("Ange kod"));
    m_codeEdit->setPlaceholderText(QStringLiteral("S1-7K3Q-9XD2"));
    caption->setBuddy(m_codeEdit);
    auto* open = new QPushButton(tr("Öppna"), row);
    open->setObjectName(QStringLiteral("openCodeButton"));
    open->setAccessibleName(tr("Öppna koden"));
    open->setAutoDefault(false);
    const auto enter = [this] {
        if (!m_codeEdit->text().trimmed().isEmpty()) {
            emit codeEntered(m_codeEdit->text());
        }
    };
    connect(open, &QPushButton::clicked, this, enter);
    connect(m_codeEdit, &QLineEdit::returnPressed, this, enter);
    layout->addWidget(caption);
    layout->addWidget(m_codeEdit, 1);
    layout->addWidget(open);
    return row;
}

bool GeneratedTab::chooseSelected()
{
    const QListWidgetItem* item = m_list->currentItem();
    if (item == nullptr || !isVisible()) {
        return false;
    }
    emit levelChosen(item->data(LevelChooser::IndexRole).toInt());
    return true;
}

} // namespace prismora
