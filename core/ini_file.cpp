// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Parsing, lookup and writing of INI profile documents.
#include "core/ini_file.h"

#include "core/ascii_case.h"
#include "core/windows1252.h"

#include <limits>

namespace prismora {
namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Names and values as stored: Windows-1252 without line breaks or NULs.
std::string encodeForFile(std::string_view utf8)
{
    std::string bytes = utf8ToWindows1252(utf8);
    for (char& c : bytes) {
        if (c == '\r' || c == '\n' || c == '\0') {
            c = ' ';
        }
    }
    return bytes;
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

// Digits in `base` up to `limit`; nothing when empty, foreign or too large.
std::optional<std::uint64_t> parseMagnitude(std::string_view digits, int base, std::uint64_t limit)
{
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = digitValue(c);
        if (digit >= base) {
            return std::nullopt;
        }
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        if (value > limit) {
            return std::nullopt;
        }
    }
    return value;
}

} // namespace

std::optional<std::int32_t> parseProfileInteger(std::string_view text)
{
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.starts_with("0x") || text.starts_with("0X") || text.starts_with("$")) {
        text.remove_prefix(text.front() == '$' ? 1 : 2);
        const auto magnitude = parseMagnitude(text, 16, std::numeric_limits<std::uint32_t>::max());
        if (!magnitude) {
            return std::nullopt;
        }
        auto pattern = static_cast<std::uint32_t>(*magnitude);
        if (negative) {
            pattern = 0u - pattern;
        }
        return static_cast<std::int32_t>(pattern);
    }
    constexpr std::uint64_t largestMagnitude = std::uint64_t{1} << 31;
    const auto magnitude = parseMagnitude(text, 10, largestMagnitude);
    if (!magnitude || (!negative && *magnitude == largestMagnitude)) {
        return std::nullopt;
    }
    const auto value = static_cast<std::int64_t>(*magnitude);
    return static_cast<std::int32_t>(negative ? -value : value);
}

IniFile IniFile::parse(std::string_view bytes)
{
    std::string converted;
    if (bytes.starts_with(Utf8ByteOrderMark)) {
        converted = utf8ToWindows1252(bytes.substr(Utf8ByteOrderMark.size()));
        bytes = converted;
    }
    IniFile file;
    std::optional<std::size_t> current;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            end = bytes.size();
        }
        std::string_view line = bytes.substr(start, end - start);
        line = line.substr(0, line.find('\0'));
        file.addLine(trimmed(line), current);
        start = end + 1;
    }
    return file;
}

void IniFile::addLine(std::string_view line, std::optional<std::size_t>& current)
{
    if (line.empty()) {
        return;
    }
    if (line.front() == '[') {
        const std::string_view name = trimmed(line.substr(1, line.find(']') - 1));
        const auto [where, isNew] = m_index.try_emplace(lowerAscii(name), m_sections.size());
        if (isNew) {
            m_sections.push_back(Section{std::string(name), {}});
            current = where->second;
        } else {
            current.reset();
        }
        return;
    }
    const std::size_t equals = line.find('=');
    if (!current || equals == std::string_view::npos) {
        return;
    }
    m_sections[*current].entries.push_back(Entry{std::string(trimmed(line.substr(0, equals))),
                                                 std::string(trimmed(line.substr(equals + 1)))});
}

const IniFile::Section* IniFile::findSection(std::string_view section) const
{
    const auto found = m_index.find(lowerAscii(utf8ToWindows1252(section)));
    return found == m_index.end() ? nullptr : &m_sections[found->second];
}

const IniFile::Entry* IniFile::findEntry(const Section& section, std::string_view encodedKey)
{
    for (const Entry& entry : section.entries) {
        if (equalIgnoringAsciiCase(entry.key, encodedKey)) {
            return &entry;
        }
    }
    return nullptr;
}

bool IniFile::hasSection(std::string_view section) const { return findSection(section) != nullptr; }

std::vector<std::string> IniFile::sectionNames() const
{
    std::vector<std::string> names;
    names.reserve(m_sections.size());
    for (const Section& section : m_sections) {
        names.push_back(windows1252ToUtf8(section.name));
    }
    return names;
}

std::optional<std::string> IniFile::readString(std::string_view section, std::string_view key) const
{
    const Section* found = findSection(section);
    const Entry* entry = found ? findEntry(*found, utf8ToWindows1252(key)) : nullptr;
    if (!entry) {
        return std::nullopt;
    }
    // One byte per character on disk, so cutting bytes cuts characters.
    return windows1252ToUtf8(std::string_view(entry->value).substr(0, MaxProfileValueLength));
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const
{
    return readString(section, key).value_or(std::string(fallback));
}

std::int32_t IniFile::readInteger(std::string_view section, std::string_view key,
                                  std::int32_t fallback) const
{
    const std::optional<std::string> text = readString(section, key);
    return text ? parseProfileInteger(*text).value_or(fallback) : fallback;
}

IniFile::Section& IniFile::sectionForWriting(std::string_view encodedName)
{
    const auto [where, isNew] = m_index.try_emplace(lowerAscii(encodedName), m_sections.size());
    if (isNew) {
        m_sections.push_back(Section{std::string(encodedName), {}});
    }
    return m_sections[where->second];
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    Section& target = sectionForWriting(encodeForFile(section));
    const std::string encodedKey = encodeForFile(key);
    for (Entry& entry : target.entries) {
        if (equalIgnoringAsciiCase(entry.key, encodedKey)) {
            entry.value = encodeForFile(value);
            return;
        }
    }
    target.entries.push_back(Entry{encodedKey, encodeForFile(value)});
}

void IniFile::writeInteger(std::string_view section, std::string_view key, std::int64_t value)
{
    writeString(section, key, std::to_string(value));
}

std::string IniFile::toBytes() const
{
    std::string out;
    for (const Section& section : m_sections) {
        out += '[';
        out += section.name;
        out += "]\r\n";
        for (const Entry& entry : section.entries) {
            out += entry.key;
            out += '=';
            out += entry.value;
            out += "\r\n";
        }
    }
    return out;
}

} // namespace prismora
