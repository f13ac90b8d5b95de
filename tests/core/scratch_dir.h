// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A fresh temporary folder for one test, removed with everything in it afterwards.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace prismora::testing {

class ScratchDir {
public:
    // In `base` (the system's temporary folder when empty): a folder in
    // memory (/dev/shm) makes tests that save thousands of files fast, since
    // every save is flushed to its disk.
    explicit ScratchDir(const std::filesystem::path& base = {})
    {
        static std::atomic<int> counter{0};
        std::random_device seed;
        m_path = (base.empty() ? std::filesystem::temp_directory_path() : base) /
                 ("prismora-test-" + std::to_string(seed()) + "-" + std::to_string(++counter));
        std::filesystem::create_directories(m_path);
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

    std::filesystem::path write(std::string_view name, std::string_view bytes) const
    {
        const std::filesystem::path file = m_path / name;
        std::ofstream(file, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

    static std::string read(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path m_path;
};

} // namespace prismora::testing
