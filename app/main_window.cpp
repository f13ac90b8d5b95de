// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's construction: widgets, colours, geometry and wiring.
#include "app/main_window.h"

#include "app/game_style.h"
#include "app/program_copy.h"
#include "app/progress_store.h"
#include "app/status_feedback.h"
#include "app/storage_paths.h"
#include "app/window_accessible.h"
#include "view/board_view.h"
#include "view/palette_list.h"
#include "view/sprite_set.h"
#include "widgets/gradient_button.h"
#include "widgets/scrolling_banner.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QWheelEvent>

namespace prismora {

namespace {

// The window's fixed geometry (client pixels). The top bar spans the whole
// width; under it the board frame and the status bar fill the left part and
// the command column the right part:
//   top bar        (0, 0)    660 x 41, banner 225 x 25 at (8, 8)
//   board frame    (0, 41)   475 x 473, board 451 x 451 at (12, 11) in it
//   status bar     (0, 514)  475 x 41, arrows 50 x 25 at both ends
//   command column (475, 41) 185 x 514, buttons 153 x 25 at x = 16
constexpr int ClientWidth = 660;
constexpr int ClientHeight = 555;
constexpr int BarHeight = 41;
constexpr int ColumnWidth = 185;
constexpr int LeftWidth = ClientWidth - ColumnWidth;
constexpr int BoardFrameHeight = ClientHeight - 2 * BarHeight;
constexpr int ButtonX = 16;
constexpr int ButtonWidth = 153;
constexpr int ButtonHeight = 25;

void paintBackground(QWidget* widget, const QColor& colour)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::Window, colour);
    widget->setPalette(colours);
    widget->setAutoFillBackground(true);
}

QFrame* makePanel(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    paintBackground(panel, QColor(0, 0, 128));
    return panel;
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette text = widget->palette();
    text.setColor(QPalette::WindowText, colour);
    widget->setPalette(text);
}

QRect availableArea(const QWidget& window)
{
    const QScreen* screen =
        window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

std::filesystem::path toPath(const QString& text)
{
    return std::filesystem::path(text.toStdString());
}

// The series and player folders given, or else where this executable keeps them.
SessionFolders sessionFolders(const MainWindow::Options& options)
{
    QString seriesFolder = options.seriesFolder;
    QString playerFolder = options.playerFolder;
    if (seriesFolder.isEmpty() || playerFolder.isEmpty()) {
        const StorageFolders found = findStorageFolders(
            QString::fromStdString(programFolder(toPath(QCoreApplication::applicationFilePath()))));
        seriesFolder = found.seriesFolder;
        playerFolder = found.playerFolder;
    }
    return {toPath(seriesFolder), toPath(playerFolder)};
}

} // namespace

MainWindow::MainWindow(Options options, QWidget* parent)
    : QWidget(parent), m_wallpaper(standardWallpaper()),
      m_progress(std::make_unique<ProgressStore>(options.settingsFile)),
      m_session(std::make_unique<GameSession>(sessionFolders(options), *m_progress)),
      m_dialogs(options.dialogs), m_startProgramCopy(std::move(options.startProgramCopy))
{
    if (m_dialogs == nullptr) {
        m_ownDialogs = std::make_unique<QtUserDialogs>();
        m_dialogs = m_ownDialogs.get();
    }
    if (!m_startProgramCopy) {
        // The copy opens a step aside, so that the editor stays in sight.
        m_startProgramCopy = [this](const QString& levelPath) {
            startIndependentProcess(
                QCoreApplication::applicationFilePath(), {levelPath},
                offsetWindowPlace(frameGeometry(), frameGeometry().size(), availableArea(*this)));
        };
    }
    m_playSound = std::move(options.playSound);
    if (!m_playSound) {
        auto* player = new SoundPlayer(this);
        m_playSound = [player](GameSound sound) { player->play(sound); };
    }
    installWindowAccessibility();
    setObjectName(QStringLiteral("mainWindow"));
    setAccessibleName(QStringLiteral("Prismora"));
    setFixedSize(ClientWidth, ClientHeight);
    paintBackground(this, Qt::black);
    buildTopBar();
    buildBoardArea();
    buildStatusBar();
    buildCommandColumn();
    connectSignals();
    buildChooseLevelButton();
    buildUndoActions();
    buildAidActions();
    buildFeedbackActions();
    buildWorkbench();
    buildKeyboardShortcuts();
    buildGenerationRunner(options.generator);
    buildClipboardActions(options.copyFolder);
    showTexts();
    centreOnScreen();
    startUp(options);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildTopBar()
{
    m_topBar = makePanel(this, "topBar", QRect(0, 0, ClientWidth, BarHeight));
    m_banner = createGameBanner(m_topBar, m_wallpaper);
    m_banner->setObjectName(QStringLiteral("banner"));
    m_banner->move(8, 8);
    m_nameCaption = new QLabel(m_topBar);
    m_nameCaption->setObjectName(QStringLiteral("nameCaption"));
    m_nameCaption->setGeometry(250, 8, 50, 25);
    setTextColour(m_nameCaption, Qt::white);
    m_levelNameEdit = new QLineEdit(QString::fromUtf8(InitialLevelName), m_topBar);
    m_levelNameEdit->setObjectName(QStringLiteral("levelNameEdit"));
    m_levelNameEdit->setGeometry(304, 8, 250, 25);
    m_nameCaption->setBuddy(m_levelNameEdit);
}

void MainWindow::buildBoardArea()
{
    m_boardFrame = new QFrame(this);
    m_boardFrame->setObjectName(QStringLiteral("boardFrame"));
    m_boardFrame->setGeometry(0, BarHeight, LeftWidth, BoardFrameHeight);
    paintBackground(m_boardFrame, Qt::black);
    m_boardView = new BoardView(standardSprites(), m_boardFrame);
    m_boardView->setObjectName(QStringLiteral("boardView"));
    m_boardView->move(12, 11);
}

void MainWindow::buildStatusBar()
{
    m_statusBar =
        makePanel(this, "statusBar", QRect(0, ClientHeight - BarHeight, LeftWidth, BarHeight));
    m_previousLevelButton = makeButton(QStringLiteral("<--"), m_statusBar, QRect(8, 8, 50, 25));
    m_previousLevelButton->setObjectName(QStringLiteral("previousLevelButton"));
    m_nextLevelButton =
        makeButton(QStringLiteral("-->"), m_statusBar, QRect(LeftWidth - 58, 8, 50, 25));
    m_nextLevelButton->setObjectName(QStringLiteral("nextLevelButton"));
    m_statusLabel = new QLabel(m_statusBar);
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    m_statusLabel->setGeometry(62, 0, LeftWidth - 124, BarHeight);
    m_statusLabel->setAlignment(Qt::AlignCenter);
    m_statusLabel->setFont(gameComicFont(24));
    setTextColour(m_statusLabel, QColor(0, 255, 0));
    m_feedback = new StatusFeedback(*m_statusLabel);
}

GradientButton* MainWindow::makeButton(const QString& caption, QWidget* parent,
                                       const QRect& geometry)
{
    auto* button = new GradientButton(caption, parent);
    applyGameButtonStyle(*button, m_wallpaper);
    button->setGeometry(geometry);
    return button;
}

GradientButton* MainWindow::addCommandButton(const QString& caption, int top)
{
    return makeButton(caption, m_commandColumn, QRect(ButtonX, top, ButtonWidth, ButtonHeight));
}

void MainWindow::buildCommandColumn()
{
    m_commandColumn = makePanel(this, "commandColumn",
                                QRect(LeftWidth, BarHeight, ColumnWidth, ClientHeight - BarHeight));
    m_openButton = addCommandButton(QString(), 16);
    m_newDesignButton = addCommandButton(QString(), 41);
    m_paletteList = new PaletteList(m_commandColumn);
    m_paletteList->move(ButtonX, 68);
    m_screenshotButton = addCommandButton(QString(), 348);
    m_savePositionButton = addCommandButton(QString(), 373);
    m_saveDesignButton = addCommandButton(QString(), 398);
    m_testDesignButton = addCommandButton(QString(), 423);
    m_discardDesignButton = addCommandButton(QString(), 453);
    m_quitButton = addCommandButton(QString(), 478);
    const std::pair<QWidget*, const char*> names[] = {
        {m_openButton, "openButton"},
        {m_newDesignButton, "newDesignButton"},
        {m_paletteList, "paletteList"},
        {m_screenshotButton, "screenshotButton"},
        {m_savePositionButton, "savePositionButton"},
        {m_saveDesignButton, "saveDesignButton"},
        {m_testDesignButton, "testDesignButton"},
        {m_discardDesignButton, "discardDesignButton"},
        {m_quitButton, "quitButton"}};
    for (const auto& [widget, name] : names) {
        widget->setObjectName(QString::fromLatin1(name));
    }
    m_paletteMenu = new QMenu(this);
    m_paletteMenu->setObjectName(QStringLiteral("paletteMenu"));
    m_editLoadedAction = m_paletteMenu->addAction(QString());
    m_playLoadedAction = m_paletteMenu->addAction(QString());
    m_paletteList->setContextMenuPolicy(Qt::CustomContextMenu);
}

void MainWindow::connectSignals()
{
    connect(m_nextLevelButton, &QPushButton::clicked, this, &MainWindow::goToNextLevel);
    connect(m_previousLevelButton, &QPushButton::clicked, this, &MainWindow::goToPreviousLevel);
    connect(m_openButton, &QPushButton::clicked, this, &MainWindow::openLevel);
    connect(m_newDesignButton, &QPushButton::clicked, this, &MainWindow::startNewDesign);
    connect(m_saveDesignButton, &QPushButton::clicked, this, &MainWindow::saveDesign);
    connect(m_testDesignButton, &QPushButton::clicked, this, &MainWindow::testDesign);
    connect(m_discardDesignButton, &QPushButton::clicked, this, &MainWindow::discardDesign);
    connect(m_quitButton, &QPushButton::clicked, this, &MainWindow::quit);
    connect(m_screenshotButton, &QPushButton::clicked, this, &MainWindow::takeScreenshot);
    connect(m_savePositionButton, &QPushButton::clicked, this, &MainWindow::savePosition);
    connect(m_editLoadedAction, &QAction::triggered, this, &MainWindow::editLoadedLevel);
    connect(m_playLoadedAction, &QAction::triggered, this, &MainWindow::playLoadedLevel);
    connect(m_paletteList, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        m_paletteMenu->popup(m_paletteList->viewport()->mapToGlobal(pos));
    });
    m_paletteList->viewport()->installEventFilter(this);
    connect(m_boardView, &BoardView::pointerMoved, this, &MainWindow::onBoardMove);
    connect(m_boardView, &BoardView::pointerPressed, this, &MainWindow::onBoardPress);
    connect(m_boardView, &BoardView::pointerReleased, this, &MainWindow::onBoardRelease);
    connect(m_boardView, &BoardView::pointerLeft, this, [this] { m_session->leavePointer(); });
    m_boardView->installEventFilter(this);
    m_levelNameEdit->installEventFilter(this);
    connect(m_levelNameEdit, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_session->setName(text.toStdString()); });
}

void MainWindow::centreOnScreen()
{
    if (const std::optional<QPoint> place = copyWindowPlace()) {
        move(offsetWindowPlace(QRect(*place, size()), frameGeometry().size(), availableArea(*this),
                               QPoint(0, 0)));
        return;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area(QPoint(0, 0), size());
        area.moveCenter(screen->availableGeometry().center());
        move(area.topLeft());
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_levelNameEdit && event->type() == QEvent::KeyPress) {
        return filterNameKey(static_cast<QKeyEvent*>(event)->text());
    }
    if (event->type() == QEvent::KeyPress && (watched == m_boardView || watched == m_paletteList)) {
        const auto& key = *static_cast<QKeyEvent*>(event);
        return watched == m_boardView ? handleBoardKey(key) : handlePaletteKey(key);
    }
    if (watched == m_boardView && event->type() == QEvent::Wheel) {
        takeWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    if (watched == m_paletteList->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // The first click of the double click has already selected the row.
        takeSelectedPiece();
        return false;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::wheelEvent(QWheelEvent* event) { takeWheel(event->angleDelta().y()); }

void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        showTexts();
    }
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Closing the window by any means does what "Avsluta" does; the session
    // says when it may close.
    if (m_isClosing) {
        event->accept();
        return;
    }
    // A close() from within this handler is not carried out, so the answer
    // is given here.
    quit();
    event->setAccepted(m_isClosing);
}

QString MainWindow::playerFolder() const
{
    return QString::fromStdString(m_session->folders().playerFolder.string());
}

} // namespace prismora
