// Write-beside-and-rename replacement of a file.
#include "core/replace_file.h"

#include <cstdio>
#include <random>

namespace prismora {
namespace {

namespace fs = std::filesystem;

constexpr int NameAttempts = 16;

// Creates a file that did not exist before, beside `path`; nothing on failure.
std::FILE* CreateTemporaryBeside(const fs::path& path, fs::path& temporary)
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        // A short name of its own, so a target name near the file system's
        // length limit still leaves room for it.
        char name[40];
        std::snprintf(name, sizeof name, ".prismora-%016llx.tmp",
                      static_cast<unsigned long long>(random()));
        temporary = path.parent_path() / name;
        // "x": fail rather than reuse a file someone else created.
        if (std::FILE* file = std::fopen(temporary.c_str(), "wbx")) {
            return file;
        }
    }
    return nullptr;
}

bool WriteAll(std::FILE* file, std::string_view bytes)
{
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool flushed = std::fflush(file) == 0;
    const bool closed = std::fclose(file) == 0;
    return written && flushed && closed;
}

} // namespace

bool ReplaceFileContents(const fs::path& path, std::string_view bytes)
{
    if (!path.has_filename()) {
        return false;
    }
    fs::path temporary;
    std::FILE* file = CreateTemporaryBeside(path, temporary);
    if (!file) {
        return false;
    }
    std::error_code error;
    const bool written = WriteAll(file, bytes);
    if (written) {
        const fs::file_status old = fs::status(path, error);
        if (fs::is_regular_file(old)) {
            fs::permissions(temporary, old.permissions(), error);
        }
        error.clear();
        fs::rename(temporary, path, error);
    }
    if (!written || error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        return false;
    }
    return true;
}

} // namespace prismora
