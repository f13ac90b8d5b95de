// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sharing results: the board picture, the saved position, and the clipboard's file list.
#include "test_levels.h"
#include "window_test_support.h"

#include "base/file_replacement.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace prismora::windowtest {
namespace {

void expectClipboardHoldsFile(const QString& path)
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->urls(), QList<QUrl>{QUrl::fromLocalFile(path)});
    const QByteArray copyList = "copy\n" + QUrl::fromLocalFile(path).toEncoded();
    EXPECT_EQ(data->data("x-special/gnome-copied-files"), copyList);
    EXPECT_EQ(data->data("x-special/mate-copied-files"), copyList);
    EXPECT_EQ(data->text(), path);
}

TEST(SnapshotWindow, PictureOfTheBoardIsWrittenAndOffered)
{
    WindowHarness harness({{"a.prl", mirrorLevel()}});
    MainWindow& form = harness.window();
    form.loadLevelFile(harness.path("a.prl"));
    click(form, "screenshotButton");
    const QString path = harness.path("Första-facit.jpg");
    QImage picture;
    ASSERT_TRUE(picture.load(path, "JPG"));
    EXPECT_EQ(picture.size(), QSize(451, 451));
    // The silver board background survives the 16 colours and the JPEG.
    const QColor background = picture.pixelColor(30, 330);
    EXPECT_NEAR(background.red(), 0xC0, 8);
    EXPECT_NEAR(background.blue(), 0xC0, 8);
    expectClipboardHoldsFile(path);
    // The status line says which file was written, until the next action.
    const auto* feedback = form.findChild<QLabel*>("feedbackLabel");
    ASSERT_NE(feedback, nullptr);
    EXPECT_TRUE(feedback->isVisible());
    EXPECT_EQ(feedback->toolTip(), QString("Sparad: Första-facit.jpg"));
    doubleClickPaletteRow(form, 0);
    EXPECT_FALSE(feedback->isVisible());

    // A name with characters no file name may hold is cleaned.
    levelNameEdit(form)->setText("a/b?c");
    click(form, "screenshotButton");
    EXPECT_TRUE(QFile::exists(harness.path("abc-facit.jpg")));
    expectClipboardHoldsFile(harness.path("abc-facit.jpg"));
}

TEST(SnapshotWindow, PositionStaysInsideTheProgramFolder)
{
    WindowHarness harness({{"a.prl", mirrorLevel()}});
    MainWindow& form = harness.window();
    form.loadLevelFile(harness.path("a.prl"));
    QDir(harness.path("")).mkpath("inner/deeper");
    levelNameEdit(form)->setText("../../x");
    click(form, "savePositionButton");
    const QString path = harness.path("....x-facit.prl");
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_FALSE(QFile::exists(harness.path("../../x-facit.prl")));
    EXPECT_TRUE(harness.dialogs.boxes.empty());
    expectClipboardHoldsFile(path);

    // The saved position loads back with the mirror still in hand.
    form.loadLevelFile(path);
    EXPECT_EQ(harness.count(0), 1);
    EXPECT_EQ(levelNameEdit(form)->text(), QString("../../x"));
}

// Runs `work` while no file of this process may grow past `bytes`: a write
// beyond fails with EFBIG instead of raising SIGXFSZ, as in the game.
template <typename Work> void withFileSizeLimit(rlim_t bytes, Work work)
{
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tight = saved;
    tight.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &tight);
    work();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

TEST(SnapshotWindow, FailedSavesAreReportedAndKeepEveryOldFile)
{
    WindowHarness harness({{"a.prl", mirrorLevel()}});
    MainWindow& form = harness.window();
    form.loadLevelFile(harness.path("a.prl"));
    QApplication::clipboard()->setText("earlier");
    QDir(harness.path("")).mkdir("Första-facit.jpg");
    click(form, "screenshotButton");
    ASSERT_EQ(harness.dialogs.boxes.size(), 1u);
    EXPECT_EQ(harness.dialogs.boxes[0].icon, QMessageBox::Critical);
    EXPECT_TRUE(harness.dialogs.boxes[0].text.startsWith(
        "Filen " + harness.path("Första-facit.jpg") + " kunde inte sparas: "));
    EXPECT_EQ(QApplication::clipboard()->text(), QString("earlier"));

    // A file-size limit stops each save half-way: every old file stays whole,
    // no temporary file is left behind, and "Avsluta" ends the game once the
    // player agrees to lose the position.
    QDir(harness.path("")).rmdir("Första-facit.jpg");
    const QStringList names = {"Första-facit.jpg", "Första-facit.prl", "currentlevel.prl"};
    for (const QString& name : names) {
        harness.writeFile(name, "old " + name);
    }
    harness.dialogs.answers = {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Yes};
    withFileSizeLimit(16, [&form] {
        for (const char* command : {"screenshotButton", "savePositionButton", "quitButton"}) {
            click(form, command);
        }
    });
    EXPECT_EQ(harness.dialogs.boxes.size(), 4u);
    EXPECT_FALSE(form.isVisible());
    for (const QString& name : names) {
        EXPECT_EQ(contents(harness.path(name)), ("old " + name).toLatin1()) << name.toStdString();
    }
    for (const QString& name : QDir(harness.path("")).entryList(QDir::Files | QDir::Hidden)) {
        EXPECT_FALSE(isOwnTemporaryFileName(name.toStdString())) << name.toStdString();
    }
}

} // namespace
} // namespace prismora::windowtest
