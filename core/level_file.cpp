// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Level files: the reader's distribution rule and the writer's section layout.
#include "core/level_file.h"

#include "core/ascii_case.h"
#include "core/content_hash.h"
#include "core/ini_file.h"
#include "core/palette.h"
#include "core/windows1252.h"

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

std::string pieceSection(int n) { return "Sak" + std::to_string(n); }
std::string cannonSection(int n) { return "Cannon" + std::to_string(n); }

struct Dropped {
    int pieces = 0;
    int cannons = 0;
};

// The distribution rule for one piece section: to the palette, onto the
// board, both or neither.
struct PieceUse {
    bool toPalette = false;
    bool toBoard = false;
};

PieceUse pieceUse(const IniFile& ini, const std::string& section, EmptyFlag empty,
                  std::int32_t type)
{
    const auto kind = static_cast<PieceKind>(static_cast<std::uint8_t>(type));
    const std::int32_t deleted = ini.readInteger(section, "Deleted", 0);
    return {isPlaceableKind(kind) && (empty == EmptyFlag::True || deleted == 1),
            isFixedKind(kind) || (empty == EmptyFlag::False && deleted == 0)};
}

// Palette counts and board pieces from the Sak sections.
void readPieces(const IniFile& ini, EmptyFlag empty, Level& level, Dropped& dropped)
{
    for (int n = 0; n < PieceSectionsRead; ++n) {
        const std::string section = pieceSection(n);
        const std::int32_t type = ini.readInteger(section, "Typ", Absent);
        if (type == Absent) {
            continue;
        }
        const auto kind = static_cast<PieceKind>(static_cast<std::uint8_t>(type));
        const PieceUse use = pieceUse(ini, section, empty, type);
        if (use.toPalette) {
            changePaletteCount(level, *rowOfKind(kind), +1);
        }
        if (use.toBoard) {
            const auto placed =
                appendPiece(level, kind, ini.readInteger(section, "Left", Absent),
                            ini.readInteger(section, "Top", Absent),
                            static_cast<std::uint8_t>(ini.readInteger(section, "Direction", 0)));
            dropped.pieces += placed ? 0 : 1;
        }
    }
}

// One cannon per Cannon section with a "Top".
void readCannons(const IniFile& ini, Level& level, Dropped& dropped)
{
    for (int n = 0; n < CannonSectionsRead; ++n) {
        const std::string section = cannonSection(n);
        const std::int32_t top = ini.readInteger(section, "Top", Absent);
        if (top == Absent) {
            continue;
        }
        const auto added =
            appendCannon(level, ini.readInteger(section, "Left", Absent), top,
                         static_cast<std::uint8_t>(ini.readInteger(section, "Direction", -1)),
                         ini.readInteger(section, "Color", 0));
        dropped.cannons += added ? 0 : 1;
    }
}

// True for a section named `prefix` and a decimal number (no leading zero)
// of at least `firstUnread`: one the reader never looks at.
bool isPastTheReader(std::string_view name, std::string_view prefix, int firstUnread)
{
    if (name.size() <= prefix.size() ||
        !equalIgnoringAsciiCase(name.substr(0, prefix.size()), prefix)) {
        return false;
    }
    const std::string_view digits = name.substr(prefix.size());
    if (digits.front() == '0' ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return false;
    }
    constexpr std::size_t widestNumberRead = 9;
    return digits.size() > widestNumberRead || std::stoi(std::string(digits)) >= firstUnread;
}

// Pieces and cannons in sections numbered past the ones read (Sak200 and
// up, Cannon50 and up) that would otherwise have been loaded: the file holds
// more than the tables, as when they overflow.
void countUnreadSections(const IniFile& ini, EmptyFlag empty, Dropped& dropped)
{
    for (const std::string& section : ini.sectionNames()) {
        if (isPastTheReader(section, "Sak", PieceSectionsRead)) {
            const std::int32_t type = ini.readInteger(section, "Typ", Absent);
            const PieceUse use = type == Absent ? PieceUse{} : pieceUse(ini, section, empty, type);
            dropped.pieces += use.toPalette || use.toBoard ? 1 : 0;
        } else if (isPastTheReader(section, "Cannon", CannonSectionsRead)) {
            dropped.cannons += ini.readInteger(section, "Top", Absent) != Absent ? 1 : 0;
        }
    }
}

LocalText capacityWarning(const Dropped& dropped)
{
    if (dropped.pieces == 0 && dropped.cannons == 0) {
        return {};
    }
    return {QT_TRANSLATE_NOOP("prismora::CoreText",
                              "Banan innehåller mer än brädet rymmer: %1 pjäser och %2 "
                              "laserkanoner fick inte plats och laddades inte."),
            {LocalText::verbatim(std::to_string(dropped.pieces)),
             LocalText::verbatim(std::to_string(dropped.cannons))}};
}

// Reads the file, stopping once it holds more than MaxLevelFileSize bytes (it
// may have grown since its size was checked). False when reading fails.
bool readBounded(const fs::path& path, std::uintmax_t expectedSize, std::string& bytes)
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

// `reason` names the file by %1.
LoadError refusal(const fs::path& path, const char* reason)
{
    return {LoadFailure::Refused, {reason, {LocalText::verbatim(path.string())}}};
}

constexpr const char* TooLarge = QT_TRANSLATE_NOOP(
    "prismora::CoreText", "Filen %1 är för stor för att vara en bana (högst 1 MiB).");

LocalText tooManyPieces(std::int64_t beyond)
{
    return {QT_TRANSLATE_NOOP("prismora::CoreText",
                              "positionen har %1 pjäser fler än en banfil rymmer"),
            {LocalText::verbatim(std::to_string(beyond))}};
}

bool isBlankByte(char c) { return c == ' ' || c == '\t'; }

// The reader trims blanks off a value before cutting it at the longest
// length, so a name of exactly that length ending in a blank keeps the blank
// only when a character the cut removes follows it.
std::string nameForFile(const std::string& name)
{
    const std::string bytes = utf8ToWindows1252(name);
    if (bytes.size() == MaxProfileValueLength && isBlankByte(bytes.back())) {
        return name + ".";
    }
    return name;
}

// A name the reader can give: Windows-1252 text of at most the longest length
// without NUL or line breaks, starting with no blank, ending in one only when
// the reader cut it there.
bool isNameAsRead(const std::string& name)
{
    const std::string bytes = utf8ToWindows1252(name);
    if (bytes.size() > MaxProfileValueLength || windows1252ToUtf8(bytes) != name ||
        bytes.find_first_of(std::string_view("\0\r\n", 3)) != std::string::npos) {
        return false;
    }
    return bytes.empty() || (!isBlankByte(bytes.front()) &&
                             (!isBlankByte(bytes.back()) || bytes.size() == MaxProfileValueLength));
}

void writePieceSections(const Level& level, IniFile& ini)
{
    for (std::size_t i = 0; i < level.pieces.size(); ++i) {
        const Piece& piece = level.pieces[i];
        if (piece.removed) {
            continue;
        }
        const std::string section = pieceSection(static_cast<int>(i));
        ini.writeInteger(section, "Typ", static_cast<int>(piece.kind));
        ini.writeInteger(section, "Top", piece.row);
        ini.writeInteger(section, "Left", piece.column);
        ini.writeInteger(section, "Direction", piece.direction);
    }
}

std::int64_t piecesInHand(const Level& level)
{
    std::int64_t total = 0;
    for (int row = 0; row < PlayRowCount; ++row) {
        total += std::max(paletteCount(level, row), 0);
    }
    return total;
}

int livePieces(const Level& level)
{
    return static_cast<int>(std::count_if(level.pieces.begin(), level.pieces.end(),
                                          [](const Piece& piece) { return !piece.removed; }));
}

// The section numbers of the pieces in the hand, at most `count`: on from
// the number of piece records + 1 as always, then, once the numbers the
// reader looks at run out, those no live piece uses (the number of piece
// records, and the numbers of removed pieces).
std::vector<int> handSectionNumbers(const Level& level, std::int64_t count)
{
    std::vector<int> numbers;
    const auto wanted =
        static_cast<std::size_t>(std::clamp<std::int64_t>(count, 0, PieceSectionsRead));
    const int records = static_cast<int>(level.pieces.size());
    for (int n = records + 1; n < PieceSectionsRead && numbers.size() < wanted; ++n) {
        numbers.push_back(n);
    }
    if (numbers.size() < wanted && records < PieceSectionsRead) {
        numbers.push_back(records);
    }
    for (int i = 0; i < records && numbers.size() < wanted; ++i) {
        if (level.pieces[static_cast<std::size_t>(i)].removed) {
            numbers.push_back(i);
        }
    }
    return numbers;
}

// Pieces still in the hand, one palette entry each, in palette row order.
void writePaletteEntries(const Level& level, IniFile& ini)
{
    const std::vector<int> numbers = handSectionNumbers(level, piecesInHand(level));
    std::size_t next = 0;
    for (int row = 0; row < PlayRowCount; ++row) {
        const int kind = static_cast<int>(*kindOfRow(row));
        for (int c = paletteCount(level, row); c > 0 && next < numbers.size(); --c) {
            const std::string section = pieceSection(numbers[next++]);
            ini.writeInteger(section, "Typ", kind);
            ini.writeInteger(section, "Top", 0);
            ini.writeInteger(section, "Left", 0);
            ini.writeInteger(section, "Deleted", 1);
            ini.writeInteger(section, "Direction", 0);
        }
    }
}

void writeCannonSections(const Level& level, IniFile& ini)
{
    for (std::size_t i = 0; i < level.sources.size(); ++i) {
        const BeamSource& source = level.sources[i];
        if (!source.isCannon() || source.removed) {
            continue;
        }
        const std::string section = cannonSection(static_cast<int>(i));
        ini.writeInteger(section, "Top", source.row);
        ini.writeInteger(section, "Left", source.column);
        ini.writeInteger(section, "Direction", source.direction);
        ini.writeInteger(section, "Color", source.colour);
    }
}

} // namespace

Completion completionOf(Verdict verdict)
{
    return isFinished(verdict) ? Completion::Finished : Completion::Unfinished;
}

LoadedLevel parseLevel(std::string_view fileBytes)
{
    const IniFile ini = IniFile::parse(fileBytes);
    LoadedLevel loaded;
    Level& level = loaded.level;
    level.mode = Mode::Play;
    level.palette.assign(PlayRowCount, 0);
    level.name = ini.readString(LevelSection, "Namn", DefaultLevelName);

    const std::string empty = ini.readString(LevelSection, "Empty", "True");
    const EmptyFlag flag = empty == "True"    ? EmptyFlag::True
                           : empty == "False" ? EmptyFlag::False
                                              : EmptyFlag::Other;
    Dropped dropped;
    readPieces(ini, flag, level, dropped);
    readCannons(ini, level, dropped);
    countUnreadSections(ini, flag, dropped);
    loaded.warning = capacityWarning(dropped);
    loaded.contentHash = contentHash(fileBytes);
    loaded.holdsLevel = ini.hasSection(LevelSection) || !level.pieces.empty() ||
                        !level.sources.empty() || dropped.pieces > 0 || dropped.cannons > 0 ||
                        std::any_of(level.palette.begin(), level.palette.end(),
                                    [](int count) { return count > 0; });
    return loaded;
}

Result<LoadedLevel, LoadError> loadLevel(const fs::path& path)
{
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) {
        return LoadError{LoadFailure::NotFound, {}};
    }
    if (!fs::is_regular_file(status)) {
        return refusal(
            path, QT_TRANSLATE_NOOP("prismora::CoreText",
                                    "Filen %1 är ingen vanlig fil och kan inte vara en bana."));
    }
    const std::uintmax_t size = fs::file_size(path, error);
    if (!error && size > MaxLevelFileSize) {
        return refusal(path, TooLarge);
    }
    std::string bytes;
    if (!readBounded(path, error ? 0 : size, bytes)) {
        return refusal(path, QT_TRANSLATE_NOOP("prismora::CoreText", "Filen %1 kunde inte läsas."));
    }
    if (bytes.size() > MaxLevelFileSize) {
        return refusal(path, TooLarge);
    }
    return parseLevel(bytes);
}

std::string formatLevel(const Level& level, SaveLayout layout, Completion completion)
{
    IniFile ini;
    ini.writeString(LevelSection, "Namn", nameForFile(level.name));
    ini.writeString(LevelSection, "Playing", completion == Completion::Finished ? "False" : "True");
    ini.writeString(LevelSection, "Empty", layout == SaveLayout::Design ? "True" : "False");
    writePieceSections(level, ini);
    if (layout == SaveLayout::Position) {
        writePaletteEntries(level, ini);
    }
    writeCannonSections(level, ini);
    return ini.toBytes();
}

std::int64_t handPiecesBeyondFile(const Level& level, SaveLayout layout)
{
    if (layout == SaveLayout::Design) {
        return 0;
    }
    return std::max<std::int64_t>(0, piecesInHand(level) - (PieceSectionsRead - livePieces(level)));
}

Result<void, FileError> saveLevel(const Level& level, SaveLayout layout, Completion completion,
                                  const fs::path& path)
{
    if (const std::int64_t beyond = handPiecesBeyondFile(level, layout); beyond > 0) {
        return FileError{path, swedishText(tooManyPieces(beyond))};
    }
    return replaceFileContents(path, formatLevel(level, layout, completion));
}

Level levelAsSaved(const Level& level, SaveLayout layout)
{
    return parseLevel(formatLevel(level, layout, Completion::Unfinished)).level;
}

bool isLevelAsLoaded(const Level& level)
{
    if (level.mode != Mode::Play || level.palette.size() != PlayRowCount ||
        std::any_of(level.palette.begin(), level.palette.end(), [](int n) { return n < 0; }) ||
        piecesInHand(level) + std::ssize(level.pieces) > PieceSectionsRead ||
        !isNameAsRead(level.name)) {
        return false;
    }
    // Built again as the reader builds it, the level must come out the same.
    Level rebuilt;
    rebuilt.name = level.name;
    rebuilt.palette = level.palette;
    for (const Piece& p : level.pieces) {
        if (p.removed || !appendPiece(rebuilt, p.kind, p.column, p.row, p.direction)) {
            return false;
        }
    }
    for (const BeamSource& s : level.sources) {
        if (s.isCannon() && (s.removed || s.row == Absent ||
                             !appendCannon(rebuilt, s.column, s.row, s.direction, s.colour))) {
            return false;
        }
    }
    return rebuilt == level;
}

LocalText saveFailureText(const FileError& error)
{
    return {QT_TRANSLATE_NOOP("prismora::CoreText", "Filen %1 kunde inte sparas: %2."),
            {LocalText::verbatim(error.path.string()), LocalText::verbatim(error.reason)}};
}

LocalText saveFailureText(const FileError& error, const Level& level, SaveLayout layout)
{
    LocalText text = saveFailureText(error);
    if (const std::int64_t beyond = handPiecesBeyondFile(level, layout); beyond > 0) {
        text.arguments[1] = tooManyPieces(beyond);
    }
    return text;
}

} // namespace prismora
