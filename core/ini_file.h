// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A small INI profile document: sections of key=value lines, read and written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace prismora {

// Longest value handed out by the readers, in characters; longer ones are cut.
inline constexpr std::size_t MaxProfileValueLength = 2047;

// Reads a profile integer: optional blanks, an optional sign, then decimal
// digits or hexadecimal digits after "0x", "0X" or "$". Nothing else may
// follow. Decimal values must fit a signed 32-bit integer. Hexadecimal values
// may use all 32 bits and are taken as the two's-complement pattern (0xFFFFFFFF
// reads -1); a minus sign negates that pattern. Anything else, including a
// value out of range, yields nothing.
std::optional<std::int32_t> parseProfileInteger(std::string_view text);

// Section and key names are matched without regard to ASCII case. When a
// section name occurs more than once, only its first occurrence counts (later
// ones and their keys are ignored); within a section the first matching key
// counts. All text passed in and out is UTF-8; on disk it is Windows-1252.
class IniFile {
public:
    // Parses the bytes of a file. Lines may end in CR LF, LF or CR; blank
    // lines, lines without "=" and keys before the first section are ignored;
    // a NUL byte ends the content of its line. Names and values are trimmed of
    // blanks and tabs. A UTF-8 byte order mark at the start marks the file as
    // UTF-8 instead of Windows-1252. Never fails: junk simply yields fewer
    // sections. Memory stays proportional to the input.
    static IniFile parse(std::string_view bytes);

    bool hasSection(std::string_view section) const;
    // The name of every section, first occurrences only, in file order.
    std::vector<std::string> sectionNames() const;
    // The value (cut at MaxProfileValueLength characters), or nothing when the
    // section or key is absent.
    std::optional<std::string> readString(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // The value as a profile integer, or `fallback` when absent or malformed.
    std::int32_t readInteger(std::string_view section, std::string_view key,
                             std::int32_t fallback) const;

    // Sets a key's value: the first matching key of the first matching
    // section is replaced, otherwise the key is appended to that section, or a
    // new section is appended at the end. Line breaks and NUL characters in
    // names and values would break the layout and are written as blanks.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInteger(std::string_view section, std::string_view key, std::int64_t value);

    // The document in file form: each section as "[name]" followed by its
    // "key=value" lines, sections in order of creation, every line ending in
    // CR LF, no blank lines, Windows-1252.
    std::string toBytes() const;

private:
    struct Entry {
        std::string key; // Windows-1252, as in the file
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    const Section* findSection(std::string_view section) const;
    Section& sectionForWriting(std::string_view encodedName);
    static const Entry* findEntry(const Section& section, std::string_view encodedKey);

    // Adds one line of a file; `current` is the index of the section that
    // receives keys, or nothing when keys are ignored.
    void addLine(std::string_view line, std::optional<std::size_t>& current);

    std::vector<Section> m_sections;
    // Lower-cased encoded name -> index of its first section.
    std::unordered_map<std::string, std::size_t> m_index;
};

} // namespace prismora
