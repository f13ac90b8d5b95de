// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Level files: placement rule, save layout, exact bytes, round trips, bad input, safe saving.
#include "core/level_file.h"

#include "core/palette.h"
#include "core/play.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <numeric>
#include <random>
#include <sys/resource.h>

namespace prismora {
namespace {

using testing::ScratchDir;

// The designer's first level: lamp added before the mirror, red cannon east.
const std::string FirstLevelFile = "[LevelParametrar]\r\n"
                                   "Namn=F\xF6rsta banan\r\n"
                                   "Playing=False\r\n"
                                   "Empty=True\r\n"
                                   "[Sak0]\r\nTyp=5\r\nTop=1\r\nLeft=5\r\nDirection=0\r\n"
                                   "[Sak1]\r\nTyp=0\r\nTop=5\r\nLeft=5\r\nDirection=3\r\n"
                                   "[Cannon0]\r\nTop=5\r\nLeft=1\r\nDirection=0\r\nColor=255\r\n";

Level firstLevelAsDesigned()
{
    Level level = newDesign();
    level.name = "Första banan";
    appendPiece(level, PieceKind::RedLamp, 5, 1, 0);
    appendPiece(level, PieceKind::Mirror, 5, 5, 3);
    appendCannon(level, 1, 5, 0, RedBeam);
    return level;
}

std::string designFile(const Level& level)
{
    return formatLevel(level, SaveLayout::Design, Completion::Finished);
}

std::string positionFile(const Level& level)
{
    return formatLevel(level, SaveLayout::Position, Completion::Unfinished);
}

Level parsed(std::string_view text) { return parseLevel(text).level; }

TEST(LevelFileTest, FirstLevelIsWrittenByteForByte)
{
    ScratchDir dir;
    const auto path = dir / "Level01.prl";
    dir.write("Level01.prl", "[Old]\r\nStale=1\r\n[Sak7]\r\nTyp=1\r\n");
    EXPECT_EQ(designFile(firstLevelAsDesigned()), FirstLevelFile);
    const auto saved =
        saveLevel(firstLevelAsDesigned(), SaveLayout::Design, Completion::Finished, path);
    EXPECT_TRUE(saved.ok()) << saved.error().reason;
    EXPECT_EQ(ScratchDir::read(path), FirstLevelFile);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "no temporary file may be left behind";
}

TEST(LevelFileTest, FirstLevelLoadsWithTheMirrorInHandAndSavesAsAPosition)
{
    const Level level = parsed(FirstLevelFile);
    EXPECT_EQ(level.name, "Första banan");
    EXPECT_EQ(level.mode, Mode::Play);
    ASSERT_EQ(level.pieces.size(), 1u);
    EXPECT_EQ(level.pieces[0].kind, PieceKind::RedLamp);
    ASSERT_EQ(level.sources.size(), 1u);
    EXPECT_TRUE(level.sources[0].isCannon());
    EXPECT_EQ(level.sources[0].colour, RedBeam);
    EXPECT_EQ(level.palette, (std::vector<int>{1, 0, 0, 0, 0, 0, 0}));

    const std::string position = positionFile(level);
    EXPECT_EQ(position,
              "[LevelParametrar]\r\nNamn=F\xF6rsta banan\r\nPlaying=True\r\nEmpty=False\r\n"
              "[Sak0]\r\nTyp=5\r\nTop=1\r\nLeft=5\r\nDirection=0\r\n"
              "[Sak2]\r\nTyp=0\r\nTop=0\r\nLeft=0\r\nDeleted=1\r\nDirection=0\r\n"
              "[Cannon0]\r\nTop=5\r\nLeft=1\r\nDirection=0\r\nColor=255\r\n");
    EXPECT_EQ(parsed(position), level);
}

// One piece section with the given "Empty" (nullptr: key absent) and
// "Deleted" (nullptr: absent); reports where the piece went.
struct Placement {
    bool board;
    bool palette;
};
Placement placeOne(const char* empty, const char* deleted, int kind)
{
    std::string text = "[LevelParametrar]\n";
    if (empty) {
        text += std::string("Empty=") + empty + "\n";
    }
    text += "[Sak0]\nTyp=" + std::to_string(kind) + "\nTop=2\nLeft=3\n";
    if (deleted) {
        text += std::string("Deleted=") + deleted + "\n";
    }
    const Level level = parsed(text);
    return {level.pieces.size() == 1,
            std::accumulate(level.palette.begin(), level.palette.end(), 0) == 1};
}

TEST(LevelFileTest, DistributionRuleSendsEachPieceToPaletteBoardOrNowhere)
{
    struct Row {
        const char* empty;
        const char* deleted;
        Placement placeable;
        bool otherOnBoard;
    };
    const Row rows[] = {
        {"True", nullptr, {false, true}, false}, {"True", "1", {false, true}, false},
        {nullptr, "0", {false, true}, false},    {"False", nullptr, {true, false}, true},
        {"False", "0", {true, false}, true},     {"False", "1", {false, true}, false},
        {"False", "2", {false, false}, false},   {"False", "-1", {false, false}, false},
        {"true", "1", {false, true}, false},     {"true", nullptr, {false, false}, false},
        {"FALSE", "0", {false, false}, false},
    };
    for (const Row& row : rows) {
        const std::string label = std::string(row.empty ? row.empty : "(absent)") + "/" +
                                  (row.deleted ? row.deleted : "(absent)");
        const Placement mirror = placeOne(row.empty, row.deleted, 0);
        EXPECT_EQ(mirror.board, row.placeable.board) << label;
        EXPECT_EQ(mirror.palette, row.placeable.palette) << label;
        const Placement lamp = placeOne(row.empty, row.deleted, 5);
        EXPECT_TRUE(lamp.board) << label;
        EXPECT_FALSE(lamp.palette) << label;
        const Placement unknown = placeOne(row.empty, row.deleted, 20);
        EXPECT_EQ(unknown.board, row.otherOnBoard) << label;
        EXPECT_FALSE(unknown.palette) << label;
    }
}

TEST(LevelFileTest, SectionsAreReadByNumberWithinTheirRange)
{
    const Level level =
        parsed("[Sak199]\nTyp=10\nTop=9\n[Sak5]\nTyp=6\n[Sak0]\nTyp=5\n[Sak200]\nTyp=7\n"
               "[Cannon49]\nTop=1\n[Cannon50]\nTop=2\n[Cannon3]\nTop=3\nLeft=0x4\n"
               "[Sak7]\nTop=1\n[Cannon8]\nLeft=1\n");
    ASSERT_EQ(level.pieces.size(), 3u);
    EXPECT_EQ(level.pieces[0].kind, PieceKind::RedLamp);
    EXPECT_EQ(level.pieces[1].kind, PieceKind::GreenLamp);
    EXPECT_EQ(level.pieces[2].kind, PieceKind::Obstacle);
    EXPECT_EQ(level.pieces[2].column, -1) << "missing Left takes its default";
    ASSERT_EQ(level.sources.size(), 2u);
    EXPECT_EQ(level.sources[0].row, 3);
    EXPECT_EQ(level.sources[0].column, 4);
    EXPECT_EQ(level.sources[0].colour, 0);
    EXPECT_EQ(level.sources[0].direction, 255) << "a cannon without Direction keeps -1 in 8 bits";
    EXPECT_EQ(level.sources[1].row, 1);
    // What lies past the sections read is reported like a table overflow.
    EXPECT_NE(
        swedishText(
            parseLevel("[Sak200]\nTyp=7\n[cannon50]\nTop=2\n[Sak0200]\nTyp=7\n[Sak201]\nTop=1\n")
                .warning)
            .find(": 1 pjäser och 1 laserkanoner"),
        std::string::npos);
}

TEST(LevelFileTest, SplittingPiecesGetOutputsBeforeTheCannons)
{
    const Level level =
        parsed("[LevelParametrar]\nEmpty=False\n[Cannon0]\nTop=1\nLeft=1\nDirection=0\n"
               "Color=65280\n[Sak0]\nTyp=11\nTop=4\nLeft=4\n[Sak1]\nTyp=300\nTop=2\nLeft=2\n"
               "Direction=9\n");
    ASSERT_EQ(level.sources.size(), 2u);
    EXPECT_FALSE(level.sources[0].isCannon());
    EXPECT_EQ(level.pieces[0].output, 0);
    EXPECT_TRUE(level.sources[1].isCannon());
    EXPECT_EQ(level.sources[1].colour, GreenBeam);
    EXPECT_EQ(static_cast<int>(level.pieces[1].kind), 300 % 256);
    EXPECT_EQ(level.pieces[1].direction, 9);
}

TEST(LevelFileTest, PositionNumbersPaletteEntriesAfterPieceCount)
{
    Level level = parsed("");
    appendPiece(level, PieceKind::RedLamp, 1, 1, 0);
    appendPiece(level, PieceKind::Mirror, 2, 2, 1);
    appendPiece(level, PieceKind::Bomb, 3, 3, 0);
    level.pieces[1].removed = true;
    level.palette = {2, 0, -1, 0, 0, 0, 1};
    const std::string text = positionFile(level);
    for (const char* present : {"[Sak0]", "[Sak2]", "[Sak4]", "[Sak5]", "[Sak6]"}) {
        EXPECT_NE(text.find(present), std::string::npos) << present;
    }
    for (const char* absent : {"[Sak1]", "[Sak3]", "[Sak7]"}) {
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
    }
    EXPECT_NE(text.find("[Sak6]\r\nTyp=12\r\nTop=0\r\nLeft=0\r\nDeleted=1\r\nDirection=0\r\n"),
              std::string::npos);
    EXPECT_EQ(designFile(level).find("Deleted"), std::string::npos);
}

TEST(LevelFileTest, LargeHandsTakeTheFreeNumbersOrAreRefused)
{
    // Past Sak199 the hand goes on with the number of records and those of
    // removed records: 59 live pieces and 141 in hand fill Sak0..Sak199.
    Level level = parsed("");
    for (int i = 0; i < Level::MaxPieces; ++i) {
        appendPiece(level, PieceKind::Mirror, 1, 1, 0);
        level.pieces.back().removed = i % 5 < 2;
    }
    level.palette[0] = 141;
    const Level reloaded = parsed(positionFile(level));
    EXPECT_EQ(reloaded.pieces.size(), 59u);
    EXPECT_EQ(reloaded.palette[0], 141);
    Level allInHand = parsed("");
    allInHand.palette[2] = 200;
    EXPECT_EQ(parsed(positionFile(allInHand)).palette[2], 200);

    // One more cannot be saved: refused before the old file is touched.
    level.palette[1] = 1;
    EXPECT_EQ(handPiecesBeyondFile(level, SaveLayout::Position), 1);
    EXPECT_EQ(handPiecesBeyondFile(level, SaveLayout::Design), 0);
    ScratchDir dir;
    const auto old = dir.write("p.prl", "old");
    EXPECT_FALSE(saveLevel(level, SaveLayout::Position, Completion::Unfinished, old).ok());
    EXPECT_EQ(ScratchDir::read(old), "old");
}

TEST(LevelFileTest, EditPaletteFixedAndCannonRowsWriteNoEntries)
{
    Level level = newDesign();
    appendPiece(level, PieceKind::WhiteLamp, 4, 4, 0);
    appendCannon(level, 1, 1, 0, BlueBeam);
    for (int row = PlayRowCount; row < EditRowCount; ++row) {
        level.palette[static_cast<std::size_t>(row)] = 1;
    }
    const Level reloaded = parsed(positionFile(level));
    EXPECT_EQ(reloaded.pieces.size(), 1u);
    EXPECT_EQ(reloaded.sources.size(), 1u);
    EXPECT_EQ(reloaded.palette, std::vector<int>(PlayRowCount, 0));
}

TEST(LevelFileTest, FullPositionSurvivesARoundTrip)
{
    Level level = parsed("");
    level.name = "Åsa – \xC2\x81 €";
    const PieceKind kinds[] = {PieceKind::TCoupling, PieceKind::WhiteLamp, PieceKind::YCoupling,
                               PieceKind::OneWay,    PieceKind::Cross,     PieceKind::Inverter};
    for (int i = 0; i < 60; ++i) {
        appendPiece(level, kinds[i % 6], i % 9 + 1, i / 9 + 1, static_cast<std::uint8_t>(i % 8));
    }
    appendCannon(level, 9, 9, 4, RedBeam);
    appendCannon(level, 1, 9, 2, GreenBeam);
    level.palette[3] = 1;
    level.palette[5] = 1;
    EXPECT_EQ(parsed(positionFile(level)), level);
}

TEST(LevelFileTest, LoadingReadsTheFileIntoANewLevelInPlay)
{
    ScratchDir dir;
    const auto path =
        dir.write("a.prl", "[LevelParametrar]\r\nNamn=  Tv\xE5  \r\n\r\n[sak0]\r\nTYP=$d\r\n");
    const auto result = loadLevel(path);
    ASSERT_TRUE(result.ok());
    EXPECT_TRUE(result.value().warning.empty());
    const Level& level = result.value().level;
    EXPECT_EQ(level.name, "Två");
    EXPECT_EQ(level.mode, Mode::Play);
    ASSERT_EQ(level.pieces.size(), 1u);
    EXPECT_EQ(level.pieces[0].kind, PieceKind::Bomb);
    EXPECT_TRUE(level.sources.empty());
}

TEST(LevelFileTest, MissingFoldersDevicesAndOversizedFilesAreNotLevels)
{
    ScratchDir dir;
    std::filesystem::create_directory(dir / "Level02.prl");
    const auto huge = dir.write("huge.prl", FirstLevelFile + std::string(MaxLevelFileSize, ';'));
    EXPECT_EQ(loadLevel(dir / "none.prl").error().failure, LoadFailure::NotFound);
    EXPECT_EQ(loadLevel(dir / "Level02.prl").error().failure, LoadFailure::Refused);
    const auto refused = loadLevel(huge);
    EXPECT_EQ(refused.error().failure, LoadFailure::Refused);
    EXPECT_NE(refused.error().message().find("för stor"), std::string::npos);
    EXPECT_EQ(loadLevel("/dev/zero").error().failure, LoadFailure::Refused);
}

TEST(LevelFileTest, JunkLoadsAsAnEmptyOrPartialLevel)
{
    const Level empty = parsed("");
    EXPECT_EQ(empty.name, "(No name)");
    EXPECT_EQ(empty.palette, std::vector<int>(PlayRowCount, 0));
    EXPECT_TRUE(empty.pieces.empty());

    const Level numbers = parsed("[LevelParametrar]\nEmpty=False\n[Sak0]\nTyp=99999999999\n"
                                 "[Sak1]\nTyp=5\nTop=-2147483648\nLeft=0x1FFFFFFFF\nDirection=abc\n"
                                 "[Sak2]\nTyp=7\nTop=2147483648\nLeft=-4\n");
    ASSERT_EQ(numbers.pieces.size(), 2u);
    EXPECT_EQ(numbers.pieces[0].row, INT32_MIN);
    EXPECT_EQ(numbers.pieces[0].column, -1);
    EXPECT_EQ(numbers.pieces[0].direction, 0);
    EXPECT_EQ(numbers.pieces[1].row, -1);

    std::string nul("[Sak0]\nTyp=5\0junk\n[Sak1]\0\nTyp=6\n", 31);
    EXPECT_EQ(parsed(nul).pieces.size(), 2u);

    const unsigned seed = 20261208;
    std::mt19937 random(seed);
    std::string noise(64 * 1024, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random() % 7 == 0 ? "[]=\n\r"[random() % 5] : random());
    }
    EXPECT_EQ(parsed(noise).palette.size(), static_cast<std::size_t>(PlayRowCount))
        << "seed " << seed;
}

TEST(LevelFileTest, ThousandsOfSectionsLoadAndCapacityIsReported)
{
    std::string text = "[LevelParametrar]\nEmpty=False\n";
    for (int n = 0; n < 20000; ++n) {
        text +=
            "[Sak" + std::to_string(n) + "]\nTyp=" + std::to_string(n % 2 ? 2 : 10) + "\nTop=1\n";
    }
    for (int n = 0; n < 60; ++n) {
        text += "[Cannon" + std::to_string(n) + "]\nTop=1\n";
    }
    const LoadedLevel result = parseLevel(text);
    EXPECT_EQ(result.level.pieces.size(), 99u);
    EXPECT_EQ(result.level.sources.size(), static_cast<std::size_t>(Level::CannonIndexLimit));
    // 99 of the 200 readable sections fit; 49 couplings leave room for one
    // cannon, since cannons stay below index 50 to be saved where they are read.
    // Sak200..Sak19999 and Cannon50..Cannon59 are never read.
    EXPECT_EQ(swedishText(result.warning),
              "Banan innehåller mer än brädet rymmer: 19901 pjäser och 59 "
              "laserkanoner fick inte plats och laddades inte.");
}

TEST(LevelFileTest, FailedSavesKeepTheOldFile)
{
    ScratchDir dir;
    const Level level = firstLevelAsDesigned();
    const auto save = [&level](const std::filesystem::path& path) {
        return saveLevel(level, SaveLayout::Design, Completion::Finished, path);
    };
    const auto blocker = dir.write("plain", "x");
    const auto underFile = save(blocker / "Level01.prl");
    ASSERT_FALSE(underFile.ok());
    EXPECT_EQ(underFile.error().path, blocker / "Level01.prl");
    EXPECT_EQ(underFile.error().reason, "Not a directory");

    std::filesystem::create_directory(dir / "taken.prl");
    dir.write("taken.prl/inside", "keep");
    EXPECT_FALSE(save(dir / "taken.prl").ok());
    EXPECT_EQ(ScratchDir::read(dir / "taken.prl/inside"), "keep");

    // A write that fails half-way: the file size limit stops it.
    const auto old = dir.write("mine.prl", "old position");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &tight);
    const auto halfWay = save(old);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    ASSERT_FALSE(halfWay.ok());
    EXPECT_EQ(halfWay.error().reason, "File too large");
    EXPECT_EQ(ScratchDir::read(old), "old position");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3)
        << "the temporary file must be removed";

    // Temporary files left by killed saves: ours older than a minute go.
    namespace fs = std::filesystem;
    const auto stale = dir.write(".prismora-0123456789abcdef.tmp", "killed");
    const auto fresh = dir.write(".prismora-fedcba9876543210.tmp", "in progress");
    const auto foreign = dir.write(".prismora-notes.txt", "someone else's");
    fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::minutes(2));
    ASSERT_TRUE(save(dir / "other.prl").ok());
    EXPECT_FALSE(fs::exists(stale));
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(foreign));
}

} // namespace
} // namespace prismora
