// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Write-beside-and-rename replacement of a file, with errors that name the reason.
#include "base/file_replacement.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace prismora {
namespace {

namespace fs = std::filesystem;

constexpr int NameAttempts = 16;
constexpr std::string_view TemporaryPrefix = ".prismora-";
constexpr std::string_view TemporarySuffix = ".tmp";

std::string systemReason(int error) { return std::strerror(error); }

// Creates a file that did not exist before, beside `path`. Returns its
// descriptor, or -1 with errno set.
int createTemporaryBeside(const fs::path& path, fs::path& temporary)
{
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < NameAttempts; ++attempt) {
        // A short name of its own, so a target name near the file system's
        // length limit still leaves room for it.
        char name[40];
        std::snprintf(name, sizeof name, "%.*s%016llx%.*s", int(TemporaryPrefix.size()),
                      TemporaryPrefix.data(), static_cast<unsigned long long>(random()),
                      int(TemporarySuffix.size()), TemporarySuffix.data());
        temporary = path.parent_path() / name;
        // O_EXCL: fail rather than reuse a file someone else created.
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Writes everything, flushes it to the disk and closes. 0, or the errno of
// the first failure.
int writeAllAndClose(int fd, std::string_view bytes)
{
    int failure = 0;
    std::size_t done = 0;
    while (done < bytes.size() && failure == 0) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else if (n < 0 && errno != EINTR) {
            failure = errno;
        } else if (n == 0) {
            failure = EIO;
        }
    }
    if (failure == 0 && ::fsync(fd) != 0) {
        failure = errno;
    }
    if (::close(fd) != 0 && failure == 0) {
        failure = errno;
    }
    return failure;
}

void keepPermissionsOf(const fs::path& old, const fs::path& temporary)
{
    struct stat status {};
    if (::stat(old.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
        ::chmod(temporary.c_str(), status.st_mode & 07777);
    }
}

fs::path folderOf(const fs::path& path)
{
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

} // namespace

bool isOwnTemporaryFileName(std::string_view name)
{
    return name.size() > TemporaryPrefix.size() + TemporarySuffix.size() &&
           name.substr(0, TemporaryPrefix.size()) == TemporaryPrefix &&
           name.substr(name.size() - TemporarySuffix.size()) == TemporarySuffix;
}

void removeStaleTemporaryFiles(const fs::path& folder, std::chrono::seconds age)
{
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) {
        return;
    }
    const auto now = fs::file_time_type::clock::now();
    for (const fs::directory_entry& entry : entries) {
        if (!isOwnTemporaryFileName(entry.path().filename().string()) ||
            !entry.is_regular_file(error)) {
            continue;
        }
        const auto written = entry.last_write_time(error);
        if (!error && now - written > age) {
            fs::remove(entry.path(), error);
        }
    }
}

Result<void, FileError> replaceFileContents(const fs::path& path, std::string_view bytes)
{
    if (!path.has_filename()) {
        return FileError{path, systemReason(EISDIR)};
    }
    removeStaleTemporaryFiles(folderOf(path));
    fs::path temporary;
    const int fd = createTemporaryBeside(path, temporary);
    if (fd < 0) {
        return FileError{path, systemReason(errno)};
    }
    int failure = writeAllAndClose(fd, bytes);
    if (failure == 0) {
        keepPermissionsOf(path, temporary);
        if (::rename(temporary.c_str(), path.c_str()) != 0) {
            failure = errno;
        }
    }
    if (failure != 0) {
        ::unlink(temporary.c_str());
        return FileError{path, systemReason(failure)};
    }
    return {};
}

} // namespace prismora
