// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The level chooser dialog: tabs of thumbnails, the solved mark and the choice buttons.
#include "app/level_chooser.h"

#include "app/record_text.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace prismora {
namespace {

constexpr const char* GroupTitles[] = {QT_TRANSLATE_NOOP("prismora::LevelChooser", "Grundserien"),
                                       QT_TRANSLATE_NOOP("prismora::LevelChooser", "Mästarserien")};
constexpr int GroupCount = 2;

} // namespace

QPixmap LevelChooser::thumbnailIcon(const QImage& thumbnail, bool isSolved)
{
    constexpr int Size = LevelChooser::ThumbnailSize;
    QPixmap icon(Size, Size);
    icon.fill(QColor(0, 0, 128));
    QPainter painter(&icon);
    if (!thumbnail.isNull()) {
        painter.drawImage(QRect(0, 0, Size, Size), thumbnail);
    }
    if (isSolved) {
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF disc(Size - 30, 2, 28, 28);
        painter.setPen(QPen(Qt::white, 2));
        painter.setBrush(QColor(0, 150, 0));
        painter.drawEllipse(disc);
        painter.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const QPointF tick[] = {{disc.left() + 7, disc.top() + 14},
                                {disc.left() + 12, disc.top() + 20},
                                {disc.left() + 21, disc.top() + 8}};
        painter.drawPolyline(tick, 3);
    }
    return icon;
}

namespace {

QString itemText(const ChooserLevel& level)
{
    QString text = QString::number(level.seriesIndex + 1) + QStringLiteral(". ") + level.name;
    if (level.isSolved) {
        text.prepend(QStringLiteral("✓ "));
    }
    if (level.record) {
        text += QLatin1Char('\n') + recordText(*level.record);
    }
    return text;
}

QString itemToolTip(const ChooserLevel& level)
{
    if (!level.record) {
        return level.name;
    }
    return level.name + QLatin1Char('\n') +
           LevelChooser::tr("Bäst: %1").arg(recordText(*level.record));
}

int groupOf(int seriesIndex)
{
    return std::min(seriesIndex / LevelChooser::GroupSize, GroupCount - 1);
}

} // namespace

LevelChooser::LevelChooser(const std::vector<ChooserLevel>& levels, ContinueOffer offer,
                           const std::vector<ChooserGenerated>& generated, QWidget* parent)
    : QDialog(parent), m_groups(new QTabWidget(this))
{
    setObjectName(QStringLiteral("levelChooser"));
    setWindowTitle(tr("Välj nivå"));
    m_groups->setObjectName(QStringLiteral("levelGroups"));
    for (const ChooserLevel& level : levels) {
        const int group = groupOf(level.seriesIndex);
        while (static_cast<int>(m_lists.size()) <= group) {
            m_lists.push_back(addGroup(tr(GroupTitles[m_lists.size()])));
        }
        auto* item =
            new QListWidgetItem(thumbnailIcon(level.thumbnail, level.isSolved), itemText(level));
        item->setData(SolvedRole, level.isSolved);
        item->setData(IndexRole, level.seriesIndex);
        item->setToolTip(itemToolTip(level));
        if (level.isSolved) {
            // The tick is a picture to a screen reader.
            item->setData(Qt::AccessibleTextRole,
                          tr("%1, löst")
                              .arg(itemText(ChooserLevel{
                                  level.seriesIndex, level.name, {}, false, level.record})));
        }
        m_lists[static_cast<std::size_t>(group)]->addItem(item);
    }
    addGeneratedTab(generated);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* play = buttons->addButton(tr("Spela"), QDialogButtonBox::AcceptRole);
    play->setObjectName(QStringLiteral("playButton"));
    play->setDefault(true);
    play->setEnabled(!levels.empty());
    if (offer == ContinueOffer::SavedGame) {
        QPushButton* resume =
            buttons->addButton(tr("Fortsätt där du slutade"), QDialogButtonBox::ActionRole);
        resume->setObjectName(QStringLiteral("continueButton"));
        connect(resume, &QPushButton::clicked, this, [this] {
            accept();
            emit continueChosen();
        });
    }
    buttons->addButton(tr("Avbryt"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &LevelChooser::chooseSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_groups);
    layout->addWidget(buttons);
    resize(650, 560);
    selectFirstUnsolved(levels);
}

void LevelChooser::addGeneratedTab(const std::vector<ChooserGenerated>& generated)
{
    m_generatedTab = new GeneratedTab(generated, m_groups);
    m_groups->addTab(m_generatedTab, tr("Slumpade"));
    // Each choice is passed on once the dialog has closed.
    const auto closingWith = [this](auto signal) {
        return [this, signal](auto... value) {
            accept();
            emit(this->*signal)(value...);
        };
    };
    connect(m_generatedTab, &GeneratedTab::tierChosen, this,
            closingWith(&LevelChooser::tierChosen));
    connect(m_generatedTab, &GeneratedTab::dailyChosen, this,
            closingWith(&LevelChooser::dailyChosen));
    connect(m_generatedTab, &GeneratedTab::codeEntered, this,
            closingWith(&LevelChooser::codeEntered));
    connect(m_generatedTab, &GeneratedTab::levelChosen, this,
            closingWith(&LevelChooser::generatedChosen));
}

QListWidget* LevelChooser::addGroup(const QString& title)
{
    auto* list = new QListWidget(m_groups);
    list->setObjectName(QStringLiteral("levelList"));
    styleLevelList(*list);
    connect(list, &QListWidget::itemActivated, this, &LevelChooser::chooseSelected);
    m_groups->addTab(list, title);
    return list;
}

void LevelChooser::styleLevelList(QListWidget& list)
{
    list.setViewMode(QListView::IconMode);
    list.setIconSize(QSize(ThumbnailSize, ThumbnailSize));
    // Room for names of two lines and the record under each picture.
    list.setGridSize(QSize(ThumbnailSize + 30, ThumbnailSize + 60));
    list.setMovement(QListView::Static);
    list.setResizeMode(QListView::Adjust);
    list.setWordWrap(true);
    list.setTextElideMode(Qt::ElideNone);
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    QPalette colours = list.palette();
    colours.setColor(QPalette::Base, QColor(0, 0, 128));
    colours.setColor(QPalette::Text, Qt::yellow);
    list.setPalette(colours);
}

int LevelChooser::selectedIndex() const
{
    const auto* list = qobject_cast<const QListWidget*>(m_groups->currentWidget());
    const QListWidgetItem* item = list != nullptr ? list->currentItem() : nullptr;
    return item != nullptr ? item->data(IndexRole).toInt() : -1;
}

void LevelChooser::chooseSelected()
{
    // Enter in the list both activates the item and presses the default
    // button; the second arrives when the dialog has already closed.
    if (qobject_cast<QLineEdit*>(focusWidget()) != nullptr) {
        return; // Enter in the code field opens the code
    }
    if (m_groups->currentWidget() == m_generatedTab) {
        m_generatedTab->chooseSelected();
        return;
    }
    const int index = selectedIndex();
    if (index < 0 || !isVisible()) {
        return;
    }
    accept();
    emit levelChosen(index);
}

void LevelChooser::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Only now has the list its final size to bring the selected level into view.
    if (auto* list = qobject_cast<QListWidget*>(m_groups->currentWidget())) {
        list->scrollToItem(list->currentItem(), QAbstractItemView::PositionAtCenter);
    }
}

void LevelChooser::selectFirstUnsolved(const std::vector<ChooserLevel>& levels)
{
    const auto unsolved = std::find_if(levels.begin(), levels.end(),
                                       [](const ChooserLevel& level) { return !level.isSolved; });
    if (levels.empty()) {
        return;
    }
    const ChooserLevel& chosen = unsolved != levels.end() ? *unsolved : levels.front();
    QListWidget* list = m_lists[static_cast<std::size_t>(groupOf(chosen.seriesIndex))];
    m_groups->setCurrentWidget(list);
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->data(IndexRole).toInt() == chosen.seriesIndex) {
            list->setCurrentRow(row);
        }
    }
    list->setFocus();
}

} // namespace prismora
