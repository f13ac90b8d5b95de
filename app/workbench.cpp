// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The workbench window: its controls, the analysis shown, and the ghosts it lays on the board.
#include "app/workbench.h"

#include "app/analysis_runner.h"
#include "app/progress_store.h"
#include "view/board_view.h"
#include "view/translated_text.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace prismora {
namespace {

const QString HiddenSwitch = QStringLiteral("analysisHidden");

QLabel* addLabel(QVBoxLayout* layout, QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    layout->addWidget(label);
    return label;
}

std::vector<Piece> ghostPieces(const std::vector<Placement>& solution)
{
    std::vector<Piece> pieces;
    for (const Placement& p : solution) {
        pieces.push_back({p.kind, p.column, p.row, p.direction, -1, false});
    }
    return pieces;
}

} // namespace

Workbench::Workbench(BoardView& board, ProgressStore& settings, QWidget& mainWindow)
    : QWidget(&mainWindow, Qt::Tool), m_board(board), m_settings(settings),
      m_mainWindow(mainWindow),
      m_runner(std::make_unique<AnalysisRunner>(
          [this](const LevelAnalysis& analysis) { showAnalysis(analysis); }))
{
    setObjectName(QStringLiteral("workbench"));
    build();
    m_mainWindow.installEventFilter(this);
}

Workbench::~Workbench() = default;

void Workbench::build()
{
    auto* layout = new QVBoxLayout(this);
    m_busyLabel = addLabel(layout, this, "workbenchBusy");
    m_results = new QWidget(this);
    m_results->setObjectName(QStringLiteral("workbenchResults"));
    auto* results = new QVBoxLayout(m_results);
    results->setContentsMargins(0, 0, 0, 0);
    m_solutionsLabel = addLabel(results, m_results, "workbenchSolutions");
    m_countLabel = addLabel(results, m_results, "workbenchCount");
    m_showButton = new QPushButton(m_results);
    m_showButton->setObjectName(QStringLiteral("workbenchShowButton"));
    results->addWidget(m_showButton);
    m_fewestLabel = addLabel(results, m_results, "workbenchFewest");
    m_difficultyLabel = addLabel(results, m_results, "workbenchDifficulty");
    m_bombLabel = addLabel(results, m_results, "workbenchBomb");
    m_bombLabel->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold"));
    m_measureList = new QListWidget(m_results);
    m_measureList->setObjectName(QStringLiteral("workbenchMeasures"));
    m_measureList->setWordWrap(true);
    results->addWidget(m_measureList);
    layout->addWidget(m_results);
    m_hideSwitch = new QCheckBox(this);
    m_hideSwitch->setObjectName(QStringLiteral("workbenchHideSwitch"));
    m_hideSwitch->setChecked(m_settings.isDisplaySwitchOn(HiddenSwitch));
    layout->addWidget(m_hideSwitch);
    connect(m_showButton, &QPushButton::clicked, this, &Workbench::showNextSolution);
    connect(m_measureList, &QListWidget::currentRowChanged, this, &Workbench::showSelectedElement);
    connect(m_hideSwitch, &QCheckBox::toggled, this, &Workbench::setAnswersHidden);
    setFixedWidth(260);
    retranslate();
    showResults();
}

// The texts that do not follow the analysis, in the interface's language.
void Workbench::retranslate()
{
    setWindowTitle(tr("Arbetsbänk"));
    setAccessibleName(tr("Arbetsbänk"));
    m_showButton->setText(
        m_shownSolution < 0 ? tr("Visa") : tr("Visa (lösning %1 av 2)").arg(m_shownSolution + 1));
    m_showButton->setAccessibleName(tr("Visa två lösningar i tur och ordning"));
    m_bombLabel->setText(tr("Bomb vid start"));
    m_measureList->setAccessibleName(tr("Mått på en bra bana"));
    m_hideSwitch->setText(tr("Dölj analys"));
    m_hideSwitch->setAccessibleName(tr("Dölj analys"));
    if (isAnalysing()) {
        m_busyLabel->setText(tr("Analyserar..."));
    } else if (!m_busyLabel->text().isEmpty()) {
        m_busyLabel->setText(tr("Öppna redigeraren för att analysera en bana"));
    }
}

void Workbench::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        showResults();
    }
    QWidget::changeEvent(event);
}

void Workbench::analyse(const Level& design)
{
    if (m_design == design) {
        return;
    }
    m_design = design;
    clearBoardLayer();
    m_runner->start(design);
    m_busyLabel->setText(tr("Analyserar..."));
}

void Workbench::clear()
{
    m_runner->cancel();
    m_analysis.reset();
    m_design.reset();
    m_busyLabel->setText(tr("Öppna redigeraren för att analysera en bana"));
    clearBoardLayer();
    showResults();
}

bool Workbench::isAnalysing() const { return m_runner->isRunning(); }

void Workbench::showAnalysis(const LevelAnalysis& analysis)
{
    m_analysis = analysis;
    m_busyLabel->clear();
    clearBoardLayer();
    showResults();
}

QString Workbench::solutionsText(const LevelAnalysis& analysis)
{
    const int n = analysis.solutions;
    if (!analysis.isExhaustive) {
        return n == 0 ? tr("Okänt: sökningen räckte inte") : tr("minst %1 lösningar").arg(n);
    }
    if (n == 0) {
        return analysis.hasNoLamp ? tr("Olösbar: ingen lampa att tända") : tr("Olösbar");
    }
    return n == 1 ? tr("1 lösning") : tr("%1 lösningar").arg(n);
}

void Workbench::showResults()
{
    const bool isShown = m_analysis && !m_hideSwitch->isChecked();
    m_results->setVisible(isShown);
    if (!isShown) {
        return;
    }
    const LevelAnalysis& analysis = *m_analysis;
    m_solutionsLabel->setText(solutionsText(analysis));
    m_countLabel->setText(analysis.isExhaustive ? tr("Alla lösningar är räknade")
                                                : tr("Inte alla lösningar är räknade"));
    m_showButton->setVisible(analysis.shownSolutions.size() > 1);
    m_fewestLabel->setText(analysis.fewestPieces ? tr("Färst bitar: %1").arg(*analysis.fewestPieces)
                                                 : tr("Färst bitar: okänt"));
    m_difficultyLabel->setText(analysis.difficulty ? tr("Svårighet: %1").arg(*analysis.difficulty)
                                                   : tr("Svårighet: okänd"));
    m_bombLabel->setVisible(analysis.isBombAtStart);
    showMeasures();
}

void Workbench::showMeasures()
{
    m_measureList->clear();
    for (const MeasureResult& result : m_analysis->measures) {
        const QString mark = result.measure.holds() ? QStringLiteral("✔ ") : QStringLiteral("✘ ");
        const Measure& measure = result.measure;
        const QString text =
            measure.said.empty() ? QString::fromStdString(measure.text) : translated(measure.said);
        auto* item =
            new QListWidgetItem(mark + translated(LocalText{std::string(result.title), {}}) +
                                    QStringLiteral("\n") + text,
                                m_measureList);
        item->setData(Qt::AccessibleTextRole, item->text());
    }
}

void Workbench::showNextSolution()
{
    if (!m_analysis || m_analysis->shownSolutions.size() < 2) {
        return;
    }
    const auto& solutions = m_analysis->shownSolutions;
    m_shownSolution =
        m_shownSolution + 1 < static_cast<int>(solutions.size()) ? m_shownSolution + 1 : -1;
    if (m_shownSolution < 0) {
        clearBoardLayer();
        return;
    }
    GhostLayer layer;
    layer.pieces = ghostPieces(solutions[static_cast<std::size_t>(m_shownSolution)]);
    for (const auto& [column, row] : cellsWhereSolutionsDiffer(solutions[0], solutions[1])) {
        layer.differingCells.push_back({column, row});
    }
    m_showButton->setText(tr("Visa (lösning %1 av 2)").arg(m_shownSolution + 1));
    m_board.showGhostLayer(std::move(layer));
}

void Workbench::showSelectedElement()
{
    const int row = m_measureList->currentRow();
    if (!m_analysis || row < 0 || row >= static_cast<int>(m_analysis->measures.size())) {
        return;
    }
    const Measure& measure = m_analysis->measures[static_cast<std::size_t>(row)].measure;
    GhostLayer layer;
    if (measure.element) {
        layer.element = Cell{measure.element->column, measure.element->row};
    }
    m_shownSolution = -1;
    m_showButton->setText(tr("Visa"));
    m_board.showGhostLayer(std::move(layer));
}

void Workbench::setAnswersHidden(bool isHidden)
{
    m_settings.setDisplaySwitch(HiddenSwitch, isHidden);
    clearBoardLayer();
    showResults();
}

void Workbench::clearBoardLayer()
{
    m_shownSolution = -1;
    m_showButton->setText(tr("Visa"));
    m_board.showGhostLayer({});
}

void Workbench::followMainWindow()
{
    const QRect frame = m_mainWindow.frameGeometry();
    move(frame.right() + 1, frame.top());
    resize(width(), std::max(sizeHint().height(), m_mainWindow.height()));
}

void Workbench::closeEvent(QCloseEvent* event)
{
    m_settings.setDisplaySwitch(openSwitch(), false);
    clear();
    QWidget::closeEvent(event);
}

bool Workbench::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_mainWindow &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        followMainWindow();
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace prismora
