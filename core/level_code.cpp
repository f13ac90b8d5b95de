// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Level codes: the fields of a loaded level packed into bits, and read back with every length
// checked.
#include "core/level_code.h"

#include "core/ini_file.h"
#include "core/level_file.h"
#include "core/palette.h"
#include "core/windows1252.h"

#include <array>
#include <limits>

namespace prismora {
namespace {

constexpr unsigned LevelCodeMarker = 11; // "B"
constexpr int SymbolBits = 5;

// Name characters: five-bit codes for the common bytes, an escape for the rest.
constexpr unsigned NameEnd = 0;
constexpr unsigned NameEscape = 31;
constexpr unsigned RawByte = 0; // after the escape: eight bits follow
// Bytes of codes 1..30, and after the escape.
constexpr std::string_view ShortBytes = "abcdefghijklmnopqrstuvwxyz \xE5\xE4\xF6";
constexpr std::string_view EscapedBytes = "ABCDEFGHIJKLMNOPQRSTUVWXYZ-\xC5\xC4\xD6";

// Piece kinds in four bits: 8 and 9 (read as a piece only from odd files)
// give way to the escape and the end of the list.
constexpr unsigned KindEscape = 8;
constexpr unsigned PiecesEnd = 9;

// Cells of the tracer's lookup area (columns and rows 0..9) in seven bits.
constexpr std::int32_t AreaSide = 10;
constexpr unsigned FarCell = AreaSide * AreaSide;

constexpr std::array<std::int32_t, 3> CannonColours{RedBeam, GreenBeam, BlueBeam};
constexpr unsigned OtherColour = 3;

// The longest form of each field, in bits: an Elias-gamma number of up to 33
// bits takes 65, a cell with both coordinates far away 7 + 2 * 65.
constexpr std::size_t LongestGamma = 65;
constexpr std::size_t LongestCell = 7 + 2 * LongestGamma;
constexpr std::size_t LongestDirection = 4 + 8;
constexpr std::size_t LongestBits =
    2 * SymbolBits                                                    // marker, version
    + 1 + MaxProfileValueLength * (2 * 5 + 8) + 5                     // name
    + Level::MaxPieces * (4 + 8 + LongestCell + LongestDirection) + 4 // pieces
    + PlayRowCount * LongestGamma                                     // palette
    + Level::CannonIndexLimit * (1 + LongestCell + LongestDirection + 2 + 32) + 1; // cannons

void writeGamma(SymbolWriter& out, std::uint64_t n) // n >= 1
{
    int width = 0;
    while ((n >> width) > 1) {
        ++width;
    }
    out.write(0, width);
    out.write(n, width + 1);
}

void writeSigned(SymbolWriter& out, std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    const std::uint32_t zigzag = (u << 1) ^ (value < 0 ? ~std::uint32_t{0} : 0);
    writeGamma(out, std::uint64_t{zigzag} + 1);
}

void writeName(SymbolWriter& out, const std::string& name)
{
    if (name == DefaultLevelName) {
        out.write(0, 1);
        return;
    }
    out.write(1, 1);
    for (const char byte : utf8ToWindows1252(name)) {
        if (const std::size_t i = ShortBytes.find(byte); i != std::string_view::npos) {
            out.write(i + 1, 5);
        } else if (const std::size_t j = EscapedBytes.find(byte); j != std::string_view::npos) {
            out.write(NameEscape, 5);
            out.write(j + 1, 5);
        } else {
            out.write(NameEscape, 5);
            out.write(RawByte, 5);
            out.write(static_cast<unsigned char>(byte), 8);
        }
    }
    out.write(NameEnd, 5);
}

void writeCell(SymbolWriter& out, std::int32_t column, std::int32_t row)
{
    if (column >= 0 && column < AreaSide && row >= 0 && row < AreaSide) {
        out.write(static_cast<unsigned>(row * AreaSide + column), 7);
        return;
    }
    out.write(FarCell, 7);
    writeSigned(out, column);
    writeSigned(out, row);
}

void writeDirection(SymbolWriter& out, std::uint8_t direction)
{
    if (direction == 0) {
        out.write(0, 1);
    } else if (direction < 8) {
        out.write(8u | direction, 4);
    } else {
        out.write(8u, 4);
        out.write(direction, 8);
    }
}

void writeKind(SymbolWriter& out, PieceKind kind)
{
    const auto code = static_cast<unsigned>(kind);
    if (code < 16 && code != KindEscape && code != PiecesEnd) {
        out.write(code, 4);
    } else {
        out.write(KindEscape, 4);
        out.write(code, 8);
    }
}

void writeCannon(SymbolWriter& out, const BeamSource& cannon)
{
    out.write(1, 1);
    writeCell(out, cannon.column, cannon.row);
    writeDirection(out, cannon.direction);
    for (unsigned i = 0; i < CannonColours.size(); ++i) {
        if (cannon.colour == CannonColours[i]) {
            out.write(i, 2);
            return;
        }
    }
    out.write(OtherColour, 2);
    out.write(static_cast<std::uint32_t>(cannon.colour), 32);
}

std::string encodeLoaded(const Level& level)
{
    SymbolWriter out;
    out.write(LevelCodeMarker, SymbolBits);
    out.write(LevelCodeVersion, SymbolBits);
    writeName(out, level.name);
    for (const Piece& piece : level.pieces) {
        writeKind(out, piece.kind);
        writeCell(out, piece.column, piece.row);
        writeDirection(out, piece.direction);
    }
    out.write(PiecesEnd, 4);
    for (const int count : level.palette) {
        writeGamma(out, static_cast<std::uint64_t>(count) + 1);
    }
    for (const BeamSource& source : level.sources) {
        if (source.isCannon()) {
            writeCannon(out, source);
        }
    }
    out.write(0, 1);
    return out.finish();
}

// Reads fields and remembers the first failure; once failed, every read
// gives 0 so that no loop runs on.
class FieldReader {
public:
    explicit FieldReader(SymbolReader reader) : m_reader(std::move(reader)) {}

    bool hasFailed() const { return m_error.has_value(); }
    std::optional<CodeError> error() const { return m_error; }
    void fail(CodeError error)
    {
        if (!m_error) {
            m_error = error;
        }
    }
    bool isAtEnd() const { return m_reader.isAtEnd(); }

    std::uint64_t bits(int count)
    {
        const std::optional<std::uint64_t> value = hasFailed() ? 0 : m_reader.read(count);
        if (!value) {
            fail(CodeError::Truncated);
        }
        return value.value_or(0);
    }

    // An Elias-gamma number of at most 33 bits (1 or more; 0 after a failure).
    std::uint64_t gamma()
    {
        int width = 0;
        while (!hasFailed() && bits(1) == 0) {
            if (++width > 32) {
                fail(CodeError::BadValue);
            }
        }
        return hasFailed() ? 0 : (std::uint64_t{1} << width) | bits(width);
    }

    std::int32_t signedValue()
    {
        const std::uint64_t n = gamma();
        if (n > std::uint64_t{1} << 32) {
            fail(CodeError::BadValue);
        }
        const auto zigzag = static_cast<std::uint32_t>(hasFailed() ? 0 : n - 1);
        return static_cast<std::int32_t>((zigzag >> 1) ^ (0u - (zigzag & 1u)));
    }

    Cell cell()
    {
        const auto code = static_cast<std::int32_t>(bits(7));
        if (code < static_cast<std::int32_t>(FarCell)) {
            return {code % AreaSide, code / AreaSide};
        }
        if (code > static_cast<std::int32_t>(FarCell)) {
            fail(CodeError::BadValue);
        }
        const std::int32_t column = signedValue();
        return {column, signedValue()};
    }

    std::uint8_t direction()
    {
        if (bits(1) == 0) {
            return 0;
        }
        const auto low = static_cast<std::uint8_t>(bits(3));
        return low != 0 ? low : static_cast<std::uint8_t>(bits(8));
    }

private:
    SymbolReader m_reader;
    std::optional<CodeError> m_error;
};

std::string readName(FieldReader& in)
{
    if (in.bits(1) == 0) {
        return std::string(DefaultLevelName);
    }
    std::string bytes;
    for (unsigned code = in.bits(5); code != NameEnd && !in.hasFailed(); code = in.bits(5)) {
        if (bytes.size() == MaxProfileValueLength) {
            in.fail(CodeError::BadValue);
        } else if (code != NameEscape) {
            bytes += ShortBytes[code - 1];
        } else if (const auto escaped = static_cast<unsigned>(in.bits(5)); escaped == RawByte) {
            bytes += static_cast<char>(in.bits(8));
        } else if (escaped <= EscapedBytes.size()) {
            bytes += EscapedBytes[escaped - 1];
        } else {
            in.fail(CodeError::BadValue);
        }
    }
    return windows1252ToUtf8(bytes);
}

void readPieces(FieldReader& in, Level& level)
{
    for (auto code = static_cast<unsigned>(in.bits(4)); code != PiecesEnd && !in.hasFailed();
         code = static_cast<unsigned>(in.bits(4))) {
        const auto kind = static_cast<PieceKind>(code == KindEscape ? in.bits(8) : code);
        const Cell cell = in.cell();
        const std::uint8_t direction = in.direction();
        if (!in.hasFailed() && !appendPiece(level, kind, cell.column, cell.row, direction)) {
            in.fail(CodeError::BadValue);
        }
    }
}

void readPalette(FieldReader& in, Level& level)
{
    level.palette.assign(PlayRowCount, 0);
    for (int& count : level.palette) {
        // isLevelAsLoaded checks what the counts add up to; this keeps each an int.
        const std::uint64_t n = in.gamma();
        if (n > static_cast<std::uint64_t>(std::numeric_limits<int>::max())) {
            in.fail(CodeError::BadValue);
        }
        count = in.hasFailed() ? 0 : static_cast<int>(n - 1);
    }
}

void readCannons(FieldReader& in, Level& level)
{
    while (in.bits(1) == 1) {
        const Cell cell = in.cell();
        const std::uint8_t direction = in.direction();
        const auto colourCode = static_cast<unsigned>(in.bits(2));
        const std::int32_t colour = colourCode == OtherColour
                                        ? static_cast<std::int32_t>(in.bits(32))
                                        : CannonColours[colourCode];
        if (!in.hasFailed() && !appendCannon(level, cell.column, cell.row, direction, colour)) {
            in.fail(CodeError::BadValue);
        }
    }
}

} // namespace

const std::size_t LongestLevelCode = (LongestBits + SymbolBits - 1) / SymbolBits + 1;

std::string encodeLevelCode(const Level& level)
{
    return isLevelAsLoaded(level) ? encodeLoaded(level)
                                  : encodeLoaded(levelAsSaved(level, SaveLayout::Position));
}

Result<Level, CodeError> decodeLevelCode(std::string_view text)
{
    auto opened = SymbolReader::open(text, LongestLevelCode);
    if (!opened.ok()) {
        return opened.error();
    }
    FieldReader in(std::move(opened.value()));
    if (in.bits(SymbolBits) != LevelCodeMarker) {
        return CodeError::NotACode;
    }
    // A newer version may lay out its fields otherwise: nothing more is read.
    const std::uint64_t version = in.bits(SymbolBits);
    if (version > static_cast<unsigned>(LevelCodeVersion)) {
        return CodeError::NewerVersion;
    }
    if (version == 0) {
        return in.hasFailed() ? CodeError::Truncated : CodeError::BadValue;
    }
    Level level;
    level.name = readName(in);
    readPieces(in, level);
    readPalette(in, level);
    readCannons(in, level);
    if (!in.hasFailed() && !in.isAtEnd()) {
        in.fail(CodeError::TrailingData);
    }
    if (!in.hasFailed() && !isLevelAsLoaded(level)) {
        in.fail(CodeError::BadValue);
    }
    if (in.hasFailed()) {
        return *in.error();
    }
    return level;
}

} // namespace prismora
