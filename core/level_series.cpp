// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding, ordering and stepping through the level series.
#include "core/level_series.h"

#include "core/ascii_case.h"
#include "core/text.h"

#include <algorithm>

namespace prismora {
namespace {

namespace fs = std::filesystem;

bool lessIgnoringCase(const std::string& a, const std::string& b)
{
    const std::string lowerA = lowerAscii(a);
    const std::string lowerB = lowerAscii(b);
    return lowerA != lowerB ? lowerA < lowerB : a < b;
}

} // namespace

std::string programFolder(const fs::path& executablePath)
{
    std::error_code error;
    fs::path absolute = fs::absolute(executablePath, error);
    if (error) {
        absolute = executablePath;
    }
    std::string dir = absolute.parent_path().string();
    if (dir.empty() || dir.back() != '/') {
        dir += '/';
    }
    return dir;
}

bool isSeriesFileName(const std::string& fileName)
{
    const std::string lower = lowerAscii(fileName);
    constexpr std::string_view prefix = "level";
    constexpr std::string_view suffix = ".prl";
    if (lower.size() < prefix.size() + suffix.size() || !lower.starts_with(prefix) ||
        !lower.ends_with(suffix)) {
        return false;
    }
    const std::string_view middle = std::string_view(fileName).substr(
        prefix.size(), fileName.size() - prefix.size() - suffix.size());
    return characterCount(middle) == 2;
}

std::vector<std::string> listSeriesFiles(const fs::path& directory)
{
    std::vector<std::string> files;
    std::error_code error;
    fs::directory_iterator entries(directory, error);
    const std::string base = programFolder(directory / "");
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        const std::string name = entries->path().filename().string();
        if (isSeriesFileName(name)) {
            files.push_back(base + name);
        }
    }
    std::sort(files.begin(), files.end(), lessIgnoringCase);
    return files;
}

LevelSeries::LevelSeries(std::vector<std::string> files) : m_files(std::move(files))
{
    std::sort(m_files.begin(), m_files.end(), lessIgnoringCase);
}

std::optional<std::string> LevelSeries::next()
{
    return stepTo(std::min(m_index + 1, count() - 1));
}

std::optional<std::string> LevelSeries::previous() { return stepTo(std::max(m_index - 1, 0)); }

std::optional<std::string> LevelSeries::stepTo(int index)
{
    if (count() < 2) {
        return std::nullopt;
    }
    return select(index);
}

std::optional<std::string> LevelSeries::select(int index)
{
    if (index < 0 || index >= count()) {
        return std::nullopt;
    }
    m_index = index;
    m_stepped = true;
    return m_files[static_cast<std::size_t>(m_index)];
}

std::string LevelSeries::hint() const
{
    std::string hint = "Level " + std::to_string(m_index) + " of " + std::to_string(count() - 1);
    if (m_stepped) {
        hint += "; " + fs::path(m_files[static_cast<std::size_t>(m_index)]).filename().string();
    }
    return hint;
}

} // namespace prismora
