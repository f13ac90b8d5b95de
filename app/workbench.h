// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The designer's workbench: a tool window beside the board that analyses the design after every
// edit.
#pragma once

#include "core/level_analysis.h"

#include <QWidget>

#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace prismora {

class AnalysisRunner;
class BoardView;
class ProgressStore;

// A Qt::Tool window kept at the main window's right edge (it follows the
// window as it moves). Each design handed to analyse() cancels the analysis
// running and starts one on a worker thread; what it finds replaces what is
// shown, an answer for an older design is dropped. "Visa" lays two solutions
// in turn on the board as ghosts with the cells where they differ framed;
// choosing a failing measure frames the element it names. "Dölj analys"
// hides every answer (and is remembered) for play-testing without spoilers.
class Workbench : public QWidget {
    Q_OBJECT

public:
    Workbench(BoardView& board, ProgressStore& settings, QWidget& mainWindow);
    ~Workbench() override;

    // The design changed: analyse it afresh (the same design again changes nothing).
    void analyse(const Level& design);
    // The editor closed: nothing to analyse, nothing on the board.
    void clear();
    bool isAnalysing() const;
    const std::optional<LevelAnalysis>& analysis() const { return m_analysis; }

    // Moves the window to the main window's right edge.
    void followMainWindow();

    // "Olösbar", "1 lösning", "3 lösningar" or "minst 10 lösningar".
    static QString solutionsText(const LevelAnalysis& analysis);
    // The display switch that remembers whether the workbench is open.
    static QString openSwitch() { return QStringLiteral("workbenchOpen"); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closed by its own title bar: it stays closed.
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void build();
    void retranslate();
    void showAnalysis(const LevelAnalysis& analysis);
    void showResults();
    void showMeasures();
    void showNextSolution();
    void showSelectedElement();
    void setAnswersHidden(bool isHidden);
    void clearBoardLayer();

    BoardView& m_board;
    ProgressStore& m_settings;
    QWidget& m_mainWindow;
    std::unique_ptr<AnalysisRunner> m_runner;
    std::optional<LevelAnalysis> m_analysis;
    // The design analysed last, or being analysed.
    std::optional<Level> m_design;
    // -1: no solution shown; else the index in shownSolutions.
    int m_shownSolution = -1;

    QLabel* m_busyLabel = nullptr;
    QWidget* m_results = nullptr;
    QLabel* m_solutionsLabel = nullptr;
    QLabel* m_countLabel = nullptr;
    QPushButton* m_showButton = nullptr;
    QLabel* m_fewestLabel = nullptr;
    QLabel* m_difficultyLabel = nullptr;
    QLabel* m_bombLabel = nullptr;
    QListWidget* m_measureList = nullptr;
    QCheckBox* m_hideSwitch = nullptr;
};

} // namespace prismora
