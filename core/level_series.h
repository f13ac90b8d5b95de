// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The numbered level series beside the program and the arrows that step through it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace prismora {

// The folder of the executable at `executablePath`, followed by one '/'.
// A relative path is taken from the current directory.
std::string programFolder(const std::filesystem::path& executablePath);

// True for names "Level", any two characters, ".prl", ignoring ASCII case.
bool isSeriesFileName(const std::string& fileName);

// Full paths (directory + entry name) of every entry of `directory` whose
// name fits isSeriesFileName, whatever its type (a directory with such a
// name is listed; loading it later does nothing), sorted without regard to
// case (names equal but for case keep a fixed byte order). An unreadable or
// missing directory yields an empty list.
std::vector<std::string> listSeriesFiles(const std::filesystem::path& directory);

// The series list with the index last reached by the arrows. The index
// starts at 0 without anything being loaded, so the first Next reaches the
// second file.
class LevelSeries {
public:
    LevelSeries() = default;
    explicit LevelSeries(std::vector<std::string> files);

    int count() const { return static_cast<int>(m_files.size()); }
    int index() const { return m_index; }
    const std::vector<std::string>& files() const { return m_files; }

    // One step towards the end (Next) or the start (Previous), staying at the
    // last or first file, and the path to load. Nothing, and no change, when
    // the series holds fewer than 2 files.
    std::optional<std::string> next();
    std::optional<std::string> previous();
    // Goes straight to `index` (the level chooser) and returns the path to
    // load; the hint then reads as if the arrows had reached it. Nothing, and
    // no change, for an index outside the series.
    std::optional<std::string> select(int index);

    // The arrows' tooltip: "Level 0 of <Count - 1>" until the first step,
    // then "Level <Index> of <Count - 1>; <file name>".
    std::string hint() const;

private:
    std::optional<std::string> stepTo(int index);

    std::vector<std::string> m_files;
    int m_index = 0;
    bool m_stepped = false;
};

} // namespace prismora
