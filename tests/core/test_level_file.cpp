// Level files: placement rule, save layout, exact bytes, round trips, bad input, safe saving.
#include "core/level_file.h"

#include "scratch_dir.h"

#include <gtest/gtest.h>

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

Game FirstLevelAsDesigned()
{
    Game game;
    game.levelName = "Första banan";
    game.board.AppendPiece(PieceKind::RedLamp, 5, 1, 0);
    game.board.AppendPiece(PieceKind::Mirror, 5, 5, 3);
    game.board.AppendCannon(1, 5, 0, RedBeam);
    game.board.Finished = true;
    return game;
}

Game Parsed(std::string_view text)
{
    Game game;
    EXPECT_EQ(ParseLevel(game, text).status, LoadStatus::Loaded);
    return game;
}

std::vector<int> PaletteCounts(const Game& game)
{
    std::vector<int> counts;
    for (int row = 0; row < game.palette.RowCount(); ++row) {
        counts.push_back(game.palette.Count(row));
    }
    return counts;
}

TEST(LevelFileTest, FirstLevelIsWrittenByteForByte)
{
    ScratchDir dir;
    const auto path = dir / "Level01.prl";
    dir.write("Level01.prl", "[Old]\r\nStale=1\r\n[Sak7]\r\nTyp=1\r\n");
    EXPECT_EQ(FormatLevel(FirstLevelAsDesigned(), true), FirstLevelFile);
    const SaveResult saved = SaveLevel(FirstLevelAsDesigned(), path, true);
    EXPECT_TRUE(saved.ok) << saved.message;
    EXPECT_EQ(ScratchDir::read(path), FirstLevelFile);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "no temporary file may be left behind";
}

TEST(LevelFileTest, FirstLevelLoadsWithTheMirrorInHandAndSavesAsAPosition)
{
    Game game = Parsed(FirstLevelFile);
    EXPECT_EQ(game.levelName, "Första banan");
    ASSERT_EQ(game.board.PieceCount, 1);
    EXPECT_EQ(game.board.Pieces[0].Kind, PieceKind::RedLamp);
    ASSERT_EQ(game.board.EmitterCount, 1);
    EXPECT_TRUE(game.board.Emitters[0].IsCannon);
    EXPECT_EQ(game.board.Emitters[0].Color, RedBeam);
    EXPECT_EQ(PaletteCounts(game), (std::vector<int>{1, 0, 0, 0, 0, 0, 0}));

    const std::string position = FormatLevel(game, false);
    EXPECT_EQ(position,
              "[LevelParametrar]\r\nNamn=F\xF6rsta banan\r\nPlaying=True\r\nEmpty=False\r\n"
              "[Sak0]\r\nTyp=5\r\nTop=1\r\nLeft=5\r\nDirection=0\r\n"
              "[Sak2]\r\nTyp=0\r\nTop=0\r\nLeft=0\r\nDeleted=1\r\nDirection=0\r\n"
              "[Cannon0]\r\nTop=5\r\nLeft=1\r\nDirection=0\r\nColor=255\r\n");
    Game reloaded = Parsed(position);
    EXPECT_EQ(PaletteCounts(reloaded), PaletteCounts(game));
    EXPECT_EQ(reloaded.board.PieceCount, 1);
}

// One piece section with the given "Empty" (nullptr: key absent) and
// "Deleted" (nullptr: absent); reports where the piece went.
struct Placement {
    bool board;
    bool palette;
};
Placement PlaceOne(const char* empty, const char* deleted, int kind)
{
    std::string text = "[LevelParametrar]\n";
    if (empty) {
        text += std::string("Empty=") + empty + "\n";
    }
    text += "[Sak0]\nTyp=" + std::to_string(kind) + "\nTop=2\nLeft=3\n";
    if (deleted) {
        text += std::string("Deleted=") + deleted + "\n";
    }
    const Game game = Parsed(text);
    const auto counts = PaletteCounts(game);
    return {game.board.PieceCount == 1, std::accumulate(counts.begin(), counts.end(), 0) == 1};
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
        const Placement mirror = PlaceOne(row.empty, row.deleted, 0);
        EXPECT_EQ(mirror.board, row.placeable.board) << label;
        EXPECT_EQ(mirror.palette, row.placeable.palette) << label;
        const Placement lamp = PlaceOne(row.empty, row.deleted, 5);
        EXPECT_TRUE(lamp.board) << label;
        EXPECT_FALSE(lamp.palette) << label;
        const Placement unknown = PlaceOne(row.empty, row.deleted, 20);
        EXPECT_EQ(unknown.board, row.otherOnBoard) << label;
        EXPECT_FALSE(unknown.palette) << label;
    }
}

TEST(LevelFileTest, SectionsAreReadByNumberWithinTheirRange)
{
    const Game game =
        Parsed("[Sak199]\nTyp=10\nTop=9\n[Sak5]\nTyp=6\n[Sak0]\nTyp=5\n[Sak200]\nTyp=7\n"
               "[Cannon49]\nTop=1\n[Cannon50]\nTop=2\n[Cannon3]\nTop=3\nLeft=0x4\n"
               "[Sak7]\nTop=1\n[Cannon8]\nLeft=1\n");
    ASSERT_EQ(game.board.PieceCount, 3);
    EXPECT_EQ(game.board.Pieces[0].Kind, PieceKind::RedLamp);
    EXPECT_EQ(game.board.Pieces[1].Kind, PieceKind::GreenLamp);
    EXPECT_EQ(game.board.Pieces[2].Kind, PieceKind::Obstacle);
    EXPECT_EQ(game.board.Pieces[2].Left, -1) << "missing Left takes its default";
    ASSERT_EQ(game.board.EmitterCount, 2);
    EXPECT_EQ(game.board.Emitters[0].Top, 3);
    EXPECT_EQ(game.board.Emitters[0].Left, 4);
    EXPECT_EQ(game.board.Emitters[0].Color, 0);
    EXPECT_EQ(game.board.Emitters[0].Direction, 255)
        << "a cannon without Direction keeps -1 in 8 bits";
    EXPECT_EQ(game.board.Emitters[1].Top, 1);
}

TEST(LevelFileTest, SplittingPiecesGetOutputsBeforeTheCannons)
{
    const Game game =
        Parsed("[LevelParametrar]\nEmpty=False\n[Cannon0]\nTop=1\nLeft=1\nDirection=0\n"
               "Color=65280\n[Sak0]\nTyp=11\nTop=4\nLeft=4\n[Sak1]\nTyp=300\nTop=2\nLeft=2\n"
               "Direction=9\n");
    ASSERT_EQ(game.board.EmitterCount, 2);
    EXPECT_FALSE(game.board.Emitters[0].IsCannon);
    EXPECT_EQ(game.board.Emitters[0].Color, WhiteBeam);
    EXPECT_EQ(game.board.Pieces[0].EmitterIndex, 0);
    EXPECT_TRUE(game.board.Emitters[1].IsCannon);
    EXPECT_EQ(game.board.Emitters[1].Color, GreenBeam);
    EXPECT_EQ(static_cast<int>(game.board.Pieces[1].Kind), 300 % 256);
    EXPECT_EQ(game.board.Pieces[1].Direction, 9);
}

TEST(LevelFileTest, PositionNumbersPaletteEntriesAfterPieceCount)
{
    Game game;
    game.palette.AppendRows(0, PlayRowCount - 1);
    game.board.AppendPiece(PieceKind::RedLamp, 1, 1, 0);
    game.board.AppendPiece(PieceKind::Mirror, 2, 2, 1);
    game.board.AppendPiece(PieceKind::Bomb, 3, 3, 0);
    game.board.RemovePiece(1);
    game.palette.Increase(0);
    game.palette.Increase(0);
    game.palette.Increase(6);
    game.palette.Decrease(2);
    const std::string text = FormatLevel(game, false);
    for (const char* present : {"[Sak0]", "[Sak2]", "[Sak4]", "[Sak5]", "[Sak6]"}) {
        EXPECT_NE(text.find(present), std::string::npos) << present;
    }
    for (const char* absent : {"[Sak1]", "[Sak3]", "[Sak7]"}) {
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
    }
    EXPECT_NE(text.find("[Sak6]\r\nTyp=12\r\nTop=0\r\nLeft=0\r\nDeleted=1\r\nDirection=0\r\n"),
              std::string::npos);
    EXPECT_EQ(FormatLevel(game, true).find("Deleted"), std::string::npos);
}

TEST(LevelFileTest, EditPaletteFixedAndCannonRowsWriteNoEntries)
{
    Game game;
    game.board.PlayMode = false;
    game.palette.AppendRows(0, EditRowCount - 1);
    game.board.AppendPiece(PieceKind::WhiteLamp, 4, 4, 0);
    game.board.AppendCannon(1, 1, 0, BlueBeam);
    for (int row = PlayRowCount; row < EditRowCount; ++row) {
        game.palette.Increase(row);
    }
    const Game reloaded = Parsed(FormatLevel(game, false));
    EXPECT_EQ(reloaded.board.PieceCount, 1);
    EXPECT_EQ(reloaded.board.EmitterCount, 1);
    EXPECT_EQ(PaletteCounts(reloaded), std::vector<int>(PlayRowCount, 0));
}

TEST(LevelFileTest, FullPositionSurvivesARoundTrip)
{
    Game game;
    game.levelName = "Åsa – \xC2\x81 €";
    game.palette.AppendRows(0, PlayRowCount - 1);
    const PieceKind kinds[] = {PieceKind::TCoupling, PieceKind::WhiteLamp, PieceKind::YCoupling,
                               PieceKind::OneWay,    PieceKind::Cross,     PieceKind::Inverter};
    for (int i = 0; i < 60; ++i) {
        game.board.AppendPiece(kinds[i % 6], i % 9 + 1, i / 9 + 1,
                               static_cast<std::uint8_t>(i % 8));
    }
    game.board.AppendCannon(9, 9, 4, RedBeam);
    game.board.AppendCannon(1, 9, 2, GreenBeam);
    game.palette.Increase(3);
    game.palette.Increase(5);

    const Game reloaded = Parsed(FormatLevel(game, false));
    EXPECT_EQ(reloaded.levelName, game.levelName);
    EXPECT_EQ(PaletteCounts(reloaded), PaletteCounts(game));
    ASSERT_EQ(reloaded.board.PieceCount, game.board.PieceCount);
    for (int i = 0; i < game.board.PieceCount; ++i) {
        const Piece& a = game.board.Pieces[i];
        const Piece& b = reloaded.board.Pieces[i];
        EXPECT_EQ(std::tie(a.Kind, a.Left, a.Top, a.Direction, a.EmitterIndex),
                  std::tie(b.Kind, b.Left, b.Top, b.Direction, b.EmitterIndex))
            << i;
    }
    ASSERT_EQ(reloaded.board.EmitterCount, game.board.EmitterCount);
    for (int i = 0; i < game.board.EmitterCount; ++i) {
        const Emitter& a = game.board.Emitters[i];
        const Emitter& b = reloaded.board.Emitters[i];
        EXPECT_EQ(std::tie(a.Left, a.Top, a.Direction, a.Color, a.IsCannon),
                  std::tie(b.Left, b.Top, b.Direction, b.Color, b.IsCannon))
            << i;
    }
    EXPECT_EQ(FormatLevel(reloaded, false), FormatLevel(game, false));
}

TEST(LevelFileTest, LoadingResetsTheGameAndRemembersTheFile)
{
    ScratchDir dir;
    const auto path =
        dir.write("a.prl", "[LevelParametrar]\r\nNamn=  Tv\xE5  \r\n\r\n[sak0]\r\nTYP=$d\r\n");
    Game game = FirstLevelAsDesigned();
    game.board.PlayMode = false;
    game.board.HotPiece = 1;
    const LoadResult result = LoadLevel(game, path);
    EXPECT_EQ(result.status, LoadStatus::Loaded);
    EXPECT_TRUE(result.message.empty());
    EXPECT_EQ(game.levelName, "Två");
    EXPECT_EQ(game.board.CurrentLevelFile, path.string());
    EXPECT_TRUE(game.board.PlayMode);
    EXPECT_FALSE(game.board.Finished);
    EXPECT_EQ(game.board.HotPiece, -1);
    ASSERT_EQ(game.board.PieceCount, 1);
    EXPECT_EQ(game.board.Pieces[0].Kind, PieceKind::Bomb);
    EXPECT_EQ(game.board.EmitterCount, 0);
}

TEST(LevelFileTest, MissingDirectoryAndOversizedFilesChangeNothing)
{
    ScratchDir dir;
    std::filesystem::create_directory(dir / "Level02.prl");
    const auto huge = dir.write("huge.prl", FirstLevelFile + std::string(MaxLevelFileSize, ';'));
    Game game = FirstLevelAsDesigned();
    const std::string before = FormatLevel(game, false);

    EXPECT_EQ(LoadLevel(game, dir / "none.prl").status, LoadStatus::NotFound);
    EXPECT_EQ(LoadLevel(game, dir / "Level02.prl").status, LoadStatus::NotFound);
    const LoadResult refused = LoadLevel(game, huge);
    EXPECT_EQ(refused.status, LoadStatus::Refused);
    EXPECT_NE(refused.message.find("för stor"), std::string::npos) << refused.message;
    const LoadResult device = LoadLevel(game, "/dev/zero");
    EXPECT_EQ(device.status, LoadStatus::Refused);
    EXPECT_EQ(FormatLevel(game, false), before);
    EXPECT_TRUE(game.board.CurrentLevelFile.empty());
}

TEST(LevelFileTest, JunkLoadsAsAnEmptyOrPartialLevel)
{
    const Game empty = Parsed("");
    EXPECT_EQ(empty.levelName, "(No name)");
    EXPECT_EQ(PaletteCounts(empty), std::vector<int>(PlayRowCount, 0));
    EXPECT_EQ(empty.board.PieceCount, 0);

    const Game numbers = Parsed("[LevelParametrar]\nEmpty=False\n[Sak0]\nTyp=99999999999\n"
                                "[Sak1]\nTyp=5\nTop=-2147483648\nLeft=0x1FFFFFFFF\nDirection=abc\n"
                                "[Sak2]\nTyp=7\nTop=2147483648\nLeft=-4\n");
    ASSERT_EQ(numbers.board.PieceCount, 2);
    EXPECT_EQ(numbers.board.Pieces[0].Top, INT32_MIN);
    EXPECT_EQ(numbers.board.Pieces[0].Left, -1);
    EXPECT_EQ(numbers.board.Pieces[0].Direction, 0);
    EXPECT_EQ(numbers.board.Pieces[1].Top, -1);
    EXPECT_EQ(numbers.board.PieceAt(-4, -1), Board::OffBoardIndex);

    std::string nul("[Sak0]\nTyp=5\0junk\n[Sak1]\0\nTyp=6\n", 31);
    EXPECT_EQ(Parsed(nul).board.PieceCount, 2);

    const unsigned seed = 20261208;
    std::mt19937 random(seed);
    std::string noise(64 * 1024, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random() % 7 == 0 ? "[]=\n\r"[random() % 5] : random());
    }
    Game game;
    EXPECT_EQ(ParseLevel(game, noise).status, LoadStatus::Loaded) << "seed " << seed;
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
    Game game;
    const LoadResult result = ParseLevel(game, text);
    EXPECT_EQ(result.status, LoadStatus::Loaded);
    EXPECT_EQ(game.board.PieceCount, 99);
    EXPECT_EQ(game.board.EmitterCount, Board::CannonIndexLimit);
    // 99 of the 200 readable sections fit; 49 couplings leave room for one
    // cannon, since cannons stay below index 50 to be saved where they are read.
    EXPECT_EQ(result.message, "Banan innehåller mer än brädet rymmer: 101 pjäser och 49 "
                              "laserkanoner fick inte plats och laddades inte.");
    EXPECT_EQ(game.board.Pieces[Board::OffBoardIndex].Kind, PieceKind::OffBoard);
    EXPECT_EQ(game.board.Pieces[Board::EmptyCellIndex].Kind, PieceKind::EmptyCell);
}

TEST(LevelFileTest, FailedSavesKeepTheOldFile)
{
    ScratchDir dir;
    const Game game = FirstLevelAsDesigned();
    const auto blocker = dir.write("plain", "x");
    const SaveResult underFile = SaveLevel(game, blocker / "Level01.prl", true);
    EXPECT_FALSE(underFile.ok);
    EXPECT_EQ(underFile.message, "Unable to write to " + (blocker / "Level01.prl").string());

    std::filesystem::create_directory(dir / "taken.prl");
    dir.write("taken.prl/inside", "keep");
    EXPECT_FALSE(SaveLevel(game, dir / "taken.prl", true).ok);
    EXPECT_EQ(ScratchDir::read(dir / "taken.prl/inside"), "keep");

    // A write that fails half-way: the file size limit stops it.
    const auto old = dir.write("mine.prl", "old position");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &tight);
    const SaveResult halfWay = SaveLevel(game, old, true);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(halfWay.ok);
    EXPECT_EQ(ScratchDir::read(old), "old position");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 3)
        << "the temporary file must be removed";
}

} // namespace
} // namespace prismora
