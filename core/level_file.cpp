// Level files: the reader's distribution rule and the writer's section layout.
#include "core/level_file.h"

#include "core/ini_file.h"
#include "base/file_replacement.h"

#include <algorithm>
#include <fstream>

namespace prismora {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view LevelSection = "LevelParametrar";
constexpr int PieceSectionsRead = 200;
constexpr int CannonSectionsRead = 50;
constexpr std::int32_t Absent = -1;

enum class EmptyFlag { True, False, Other };

std::string PieceSection(int n) { return "Sak" + std::to_string(n); }
std::string CannonSection(int n) { return "Cannon" + std::to_string(n); }

struct Dropped {
    int pieces = 0;
    int cannons = 0;
};

// Step 7 of a load: palette counts and board pieces from the Sak sections.
void ReadPieces(const IniFile& ini, EmptyFlag empty, Game& game, Dropped& dropped)
{
    for (int n = 0; n < PieceSectionsRead; ++n) {
        const std::string section = PieceSection(n);
        const std::int32_t type = ini.ReadInteger(section, "Typ", Absent);
        if (type == Absent) {
            continue;
        }
        const auto kind = static_cast<PieceKind>(static_cast<std::uint8_t>(type));
        const std::int32_t deleted = ini.ReadInteger(section, "Deleted", 0);
        if (IsPlaceableKind(kind) && (empty == EmptyFlag::True || deleted == 1)) {
            game.palette.Increase(*KindToRow(kind));
        }
        if (IsFixedKind(kind) || (empty == EmptyFlag::False && deleted == 0)) {
            const auto placed = game.board.AppendPiece(
                kind, ini.ReadInteger(section, "Left", Absent),
                ini.ReadInteger(section, "Top", Absent),
                static_cast<std::uint8_t>(ini.ReadInteger(section, "Direction", 0)));
            dropped.pieces += placed ? 0 : 1;
        }
    }
}

// Step 8 of a load: one active cannon per Cannon section with a "Top".
void ReadCannons(const IniFile& ini, Game& game, Dropped& dropped)
{
    for (int n = 0; n < CannonSectionsRead; ++n) {
        const std::string section = CannonSection(n);
        const std::int32_t top = ini.ReadInteger(section, "Top", Absent);
        if (top == Absent) {
            continue;
        }
        const auto added = game.board.AppendCannon(
            ini.ReadInteger(section, "Left", Absent), top,
            static_cast<std::uint8_t>(ini.ReadInteger(section, "Direction", -1)),
            ini.ReadInteger(section, "Color", 0));
        dropped.cannons += added ? 0 : 1;
    }
}

std::string CapacityWarning(const Dropped& dropped)
{
    if (dropped.pieces == 0 && dropped.cannons == 0) {
        return {};
    }
    return "Banan innehåller mer än brädet rymmer: " + std::to_string(dropped.pieces) +
           " pjäser och " + std::to_string(dropped.cannons) +
           " laserkanoner fick inte plats och laddades inte.";
}

// Reads the file, stopping once it holds more than MaxLevelFileSize bytes (it
// may have grown since its size was checked). False when reading fails.
bool ReadBounded(const fs::path& path, std::uintmax_t expectedSize, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.reserve(static_cast<std::size_t>(std::min(expectedSize, MaxLevelFileSize)) + 1);
    char buffer[16 * 1024];
    while (bytes.size() <= MaxLevelFileSize) {
        in.read(buffer, sizeof buffer);
        if (in.gcount() == 0) {
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    return !in.bad();
}

LoadResult Refusal(const fs::path& path, std::string_view reason)
{
    return {LoadStatus::Refused, "Filen " + path.string() + std::string(reason)};
}

void WritePieceSections(const Board& board, IniFile& ini)
{
    for (int i = 0; i < board.PieceCount; ++i) {
        const Piece& piece = board.Pieces[i];
        if (piece.Deleted) {
            continue;
        }
        const std::string section = PieceSection(i);
        ini.WriteInteger(section, "Typ", static_cast<int>(piece.Kind));
        ini.WriteInteger(section, "Top", piece.Top);
        ini.WriteInteger(section, "Left", piece.Left);
        ini.WriteInteger(section, "Direction", piece.Direction);
    }
}

// Pieces still in the hand, numbered on from PieceCount + 1.
void WritePaletteEntries(const Game& game, IniFile& ini)
{
    int n = game.board.PieceCount;
    const int rows = std::min(game.palette.RowCount(), PlayRowCount);
    for (int row = 0; row < rows; ++row) {
        const int kind = static_cast<int>(*RowToKind(row));
        for (int c = game.palette.Count(row); c > 0; --c) {
            const std::string section = PieceSection(++n);
            ini.WriteInteger(section, "Typ", kind);
            ini.WriteInteger(section, "Top", 0);
            ini.WriteInteger(section, "Left", 0);
            ini.WriteInteger(section, "Deleted", 1);
            ini.WriteInteger(section, "Direction", 0);
        }
    }
}

void WriteCannonSections(const Board& board, IniFile& ini)
{
    for (int i = 0; i < board.EmitterCount; ++i) {
        const Emitter& emitter = board.Emitters[i];
        if (!emitter.IsCannon || emitter.Deleted) {
            continue;
        }
        const std::string section = CannonSection(i);
        ini.WriteInteger(section, "Top", emitter.Top);
        ini.WriteInteger(section, "Left", emitter.Left);
        ini.WriteInteger(section, "Direction", emitter.Direction);
        ini.WriteInteger(section, "Color", emitter.Color);
    }
}

} // namespace

LoadResult ParseLevel(Game& game, std::string_view fileBytes)
{
    const IniFile ini = IniFile::Parse(fileBytes);
    Board& board = game.board;
    board.Clear();
    board.PlayMode = true;
    board.Finished = false;
    game.palette.Clear();
    game.palette.AppendRows(0, PlayRowCount - 1);
    game.levelName = ini.ReadString(LevelSection, "Namn", DefaultLevelName);

    const std::string empty = ini.ReadString(LevelSection, "Empty", "True");
    const EmptyFlag flag = empty == "True"    ? EmptyFlag::True
                           : empty == "False" ? EmptyFlag::False
                                              : EmptyFlag::Other;
    Dropped dropped;
    ReadPieces(ini, flag, game, dropped);
    ReadCannons(ini, game, dropped);
    return {LoadStatus::Loaded, CapacityWarning(dropped)};
}

LoadResult LoadLevel(Game& game, const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status) || fs::is_directory(status)) {
        return {LoadStatus::NotFound, {}};
    }
    if (!fs::is_regular_file(status)) {
        return Refusal(path, " är ingen vanlig fil och kan inte vara en bana.");
    }
    const std::uintmax_t size = fs::file_size(path, error);
    if (!error && size > MaxLevelFileSize) {
        return Refusal(path, " är för stor för att vara en bana (högst 1 MiB).");
    }
    std::string bytes;
    if (!ReadBounded(path, error ? 0 : size, bytes)) {
        return Refusal(path, " kunde inte läsas.");
    }
    if (bytes.size() > MaxLevelFileSize) {
        return Refusal(path, " är för stor för att vara en bana (högst 1 MiB).");
    }
    LoadResult result = ParseLevel(game, bytes);
    game.board.CurrentLevelFile = path.string();
    return result;
}

std::string FormatLevel(const Game& game, bool emptyBoard)
{
    IniFile ini;
    ini.WriteString(LevelSection, "Namn", game.levelName);
    ini.WriteString(LevelSection, "Playing", game.board.Finished ? "False" : "True");
    ini.WriteString(LevelSection, "Empty", emptyBoard ? "True" : "False");
    WritePieceSections(game.board, ini);
    if (!emptyBoard) {
        WritePaletteEntries(game, ini);
    }
    WriteCannonSections(game.board, ini);
    return ini.ToBytes();
}

SaveResult SaveLevel(const Game& game, const fs::path& path, bool emptyBoard)
{
    if (!replaceFileContents(path, FormatLevel(game, emptyBoard))) {
        return {false, "Unable to write to " + path.string()};
    }
    return {};
}

} // namespace prismora
