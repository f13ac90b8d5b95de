// Start-up of the main window, level loading into the window, and the series arrows.
#include "app/tform1.h"

#include "core/level_file.h"
#include "view/board_widget.h"
#include "view/palette_list.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace prismora {

namespace {

std::filesystem::path toPath(const QString& text)
{
    return std::filesystem::path(text.toStdString());
}

} // namespace

void TForm1::FormCreate(const QStringList& arguments)
{
    m_game.board.Loading = false;
    m_game.board.PaintEnabled = true;
    if (m_programDir.isEmpty()) {
        m_programDir =
            QString::fromStdString(ProgramDir(toPath(QCoreApplication::applicationFilePath())));
    } else if (!m_programDir.endsWith(QLatin1Char('/'))) {
        m_programDir += QLatin1Char('/');
    }
    m_game.board.PlayMode = true;
    m_series = LevelSeries(ListLevelSeries(toPath(m_programDir)));
    showSeriesHint();
    m_game.board.EmitterCount = 0;
    m_game.board.PieceCount = 0;
    showDesignCommands(false);
    showSnapshotCommands(false);
    BitBtn4->setVisible(false);
    refreshPalette();
    if (!arguments.isEmpty() && QFileInfo(arguments.constFirst()).isFile()) {
        LoadLevelFile(arguments.constFirst());
    }
}

void TForm1::showSeriesHint()
{
    const QString hint = QString::fromStdString(m_series.Hint());
    CoolBtn3->setToolTip(hint);
    CoolBtn4->setToolTip(hint);
}

void TForm1::CoolBtn3Click()
{
    if (const std::optional<std::string> path = m_series.Next()) {
        LoadLevelFile(QString::fromStdString(*path));
        showSeriesHint();
    }
}

void TForm1::CoolBtn4Click()
{
    if (const std::optional<std::string> path = m_series.Previous()) {
        LoadLevelFile(QString::fromStdString(*path));
        showSeriesHint();
    }
}

void TForm1::LoadLevelFile(const QString& path)
{
    const LoadResult result = LoadLevel(m_game, toPath(path));
    if (result.status == LoadStatus::Loaded) {
        afterLevelLoaded(path);
    }
    if (!result.message.empty()) {
        ask(InformationBox(QString::fromStdString(result.message)));
    }
}

void TForm1::afterLevelLoaded(const QString& path)
{
    setWindowTitle(QString::fromLatin1(VersionCaption) + QString(15, QLatin1Char(' ')) +
                   QStringLiteral("Level laddad: ") + QFileInfo(path).fileName());
    // Setting the field would copy it back into the game; the text is the same.
    Edit1->setText(QString::fromStdString(m_game.levelName));
    showSnapshotCommands(true);
    showDesignCommands(false);
    PaintBox1->unsetCursor();
    refreshPalette();
    // Paint now, so that the level has been drawn and judged on return.
    PaintBox1->repaint();
}

void TForm1::PaintBox1Painted(const VerdictResult& verdict)
{
    Label2->setText(QString::fromStdString(verdict.status));
    if (verdict.verdict != Verdict::Bomb || m_restartingAfterBomb || m_bombRestartQueued) {
        return;
    }
    // Reloading from inside the paint would paint again within it; the
    // restart runs as soon as this paint is over instead.
    m_bombRestartQueued = true;
    QMetaObject::invokeMethod(this, &TForm1::restartAfterBomb, Qt::QueuedConnection);
}

void TForm1::restartAfterBomb()
{
    m_bombRestartQueued = false;
    m_restartingAfterBomb = true;
    // A reloaded position that itself sends a beam into a bomb is painted
    // once with the bomb text and not reloaded again.
    LoadLevelFile(QString::fromStdString(m_game.board.CurrentLevelFile));
    m_restartingAfterBomb = false;
    Label2->setText(QString::fromUtf8(BombText));
}

} // namespace prismora
