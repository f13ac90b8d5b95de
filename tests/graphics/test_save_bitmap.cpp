// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Tests of saving by extension: writer choice, read-back, failures that keep the old file.
#include "base/file_replacement.h"
#include "graphics/save_bitmap.h"
#include "graphics/sixteen_colour_jpeg.h"
#include "graphics/standard_palette.h"

#include "image_readers.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdio> // jpeglib needs FILE
#include <jerror.h>
#include <jpeglib.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <sys/resource.h>

namespace prismora {
namespace {

using testing::DecodedImage;
using testing::ScratchFolder;

// A picture with distinct colours per pixel, odd sizes to reach row padding and
// half-filled bytes; indexed formats cycle through their palette.
ExportBitmap makePicture(PixelFormat format, int width = 13, int height = 7)
{
    std::vector<RgbColor> palette;
    const int entries = format == PixelFormat::Indexed4 ? 16 : 256;
    for (int i = 0; i < entries; ++i) {
        palette.push_back({std::uint8_t(i * 37), std::uint8_t(255 - i), std::uint8_t(i * 11)});
    }
    ExportBitmap bitmap(width, height, format, palette);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bitmap.setIndex(x, y, std::uint8_t(x * 3 + y * 5));
            bitmap.setColor(x, y,
                            rgba(std::uint8_t(x * 19), std::uint8_t(y * 31), std::uint8_t(x * y),
                                 std::uint8_t(100 + x)));
        }
    }
    return bitmap;
}

using Reader = std::function<std::optional<DecodedImage>(const std::string&)>;

struct LosslessFormat {
    const char* extension;
    Reader read;
    bool keepsAlpha;
};

TEST(SaveBitmap, ExtensionSelectsTheWriter)
{
    EXPECT_EQ(fileExtension("C:\\bilder.v2\\bana"), "");
    EXPECT_EQ(fileExtension("/tmp/a.b/c.JPG"), ".JPG");
    EXPECT_EQ(fileExtension("d:x.bmp"), ".bmp");
    EXPECT_EQ(fileExtension("x.b:mp"), "");
    EXPECT_EQ(formatForFileName("Level07-facit.JPG"), ImageFileFormat::Jpeg);
    EXPECT_EQ(formatForFileName("a.jpeg"), ImageFileFormat::Jpeg);
    EXPECT_EQ(formatForFileName("a.Tga"), ImageFileFormat::Tga);
    EXPECT_EQ(formatForFileName("a.tif"), ImageFileFormat::Tiff);
    EXPECT_EQ(formatForFileName("a.tiff"), ImageFileFormat::None);
    EXPECT_EQ(formatForFileName("a.jpg "), ImageFileFormat::None);
    EXPECT_EQ(formatForFileName("a.png.txt"), ImageFileFormat::None);
    EXPECT_EQ(formatForFileName("noextension"), ImageFileFormat::None);
    // Only ASCII letters are lower-cased: a dotless capital I is no "i".
    EXPECT_EQ(formatForFileName("a.t\xC4\xb0"
                                "f"),
              ImageFileFormat::None);
}

std::string errorText(const Status& status) { return status.ok() ? "" : status.error().message; }

TEST(SaveBitmap, OtherExtensionsAreRefusedAndWriteNothing)
{
    ScratchFolder folder("none");
    std::filesystem::create_directory(folder.file("pics.png"));
    const ExportBitmap picture = makePicture(PixelFormat::Rgb24);
    for (const char* name : {"picture.tiff", "picture.jpg ", "picture", "pics.png/picture"}) {
        const std::string path = folder.file(name);
        EXPECT_EQ(errorText(saveBitmapToFile(picture, path)),
                  "Cannot create file \"" + path + "\". " + UnknownFormatReason);
        EXPECT_FALSE(std::filesystem::exists(path)) << name;
    }
}

TEST(SaveBitmap, LosslessFormatsReadBackExactly)
{
    ScratchFolder folder("lossless");
    const LosslessFormat formats[] = {{"bmp", testing::readBmp, true},
                                      {"png", testing::readPng, true},
                                      {"tif", testing::readTiff, true},
                                      {"pcx", testing::readPcx, false},
                                      {"tga", testing::readTga, true}};
    for (const LosslessFormat& format : formats) {
        for (PixelFormat pixels : {PixelFormat::Indexed4, PixelFormat::Indexed8, PixelFormat::Rgb24,
                                   PixelFormat::Argb32}) {
            const ExportBitmap picture = makePicture(pixels);
            // Appended rather than "p" + ...: GCC 12 at -O3 sees a false overlap in the
            // operator+ that inserts a literal in front of a temporary (-Wrestrict).
            std::string name = "p";
            name += std::to_string(int(pixels));
            name += '.';
            name += format.extension;
            const std::string path = folder.file(name);
            ASSERT_TRUE(saveBitmapToFile(picture, path).ok()) << path;
            const auto decoded = format.read(path);
            ASSERT_TRUE(decoded) << path;
            ASSERT_EQ(decoded->width, 13) << path;
            ASSERT_EQ(decoded->height, 7) << path;
            for (int y = 0; y < 7; ++y) {
                for (int x = 0; x < 13; ++x) {
                    Color32 expected = picture.color(x, y);
                    if (!format.keepsAlpha) {
                        expected |= 0xFF000000u;
                    }
                    ASSERT_EQ(decoded->at(x, y), expected) << path << " at " << x << "," << y;
                }
            }
            if (pixels != PixelFormat::Rgb24) {
                continue;
            }
            if (const auto size = testing::identifySize(path)) {
                EXPECT_EQ(*size, "13x7") << path;
            }
        }
    }
}

TEST(SaveBitmap, JpegOfTheBoardSizeWithTheFixedParameters)
{
    ScratchFolder folder("jpeg");
    std::vector<Color32> board(451 * 451);
    for (int y = 0; y < 451; ++y) {
        for (int x = 0; x < 451; ++x) {
            board[std::size_t(y * 451 + x)] =
                y < 224 ? (x < 224 ? 0xFFFF0000 : 0xFF00FF00) : (x < 224 ? 0xFF0000FF : 0xFFFFFFFF);
        }
    }
    // From a 4-bit picture, as the board snapshot may be.
    const ExportBitmap picture = reduceToStandard16(board.data(), 451, 451);
    const std::string path = folder.file("Level01-facit.jpg");
    ASSERT_TRUE(saveBitmapToFile(picture, path).ok());
    int quant = 0;
    bool progressive = true;
    const auto decoded = testing::readJpeg(path, &quant, &progressive);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->width, 451);
    EXPECT_EQ(decoded->height, 451);
    EXPECT_EQ(decoded->components, 3);
    EXPECT_FALSE(progressive);
    EXPECT_EQ(quant, 3); // luminance DC 16 scaled for quality 90
    const std::pair<int, int> probes[] = {{100, 100}, {350, 100}, {100, 350}, {350, 350}};
    for (const auto& [x, y] : probes) {
        const Color32 got = decoded->at(x, y);
        const Color32 want = board[std::size_t(y * 451 + x)];
        EXPECT_NEAR(redOf(got), redOf(want), 4) << x << "," << y;
        EXPECT_NEAR(greenOf(got), greenOf(want), 4) << x << "," << y;
        EXPECT_NEAR(blueOf(got), blueOf(want), 4) << x << "," << y;
    }
    if (const auto size = testing::identifySize(path)) {
        EXPECT_EQ(*size, "451x451");
    }
}

TEST(SaveBitmap, FailuresNameTheFileAndTheReason)
{
    ScratchFolder folder("errors");
    const ExportBitmap picture = makePicture(PixelFormat::Rgb24);
    const std::string missing = folder.file("no-such-folder/bild.png");
    EXPECT_EQ(errorText(saveBitmapToFile(picture, missing)),
              "Cannot create file \"" + missing + "\". No such file or directory");

    const std::string empty = folder.file("empty.jpg");
    EXPECT_EQ(errorText(saveBitmapToFile(ExportBitmap(0, 0, PixelFormat::Rgb24), empty)),
              "Cannot create file \"" + empty + "\". JPEG error #" +
                  std::to_string(JERR_EMPTY_IMAGE));
    for (const char* name : {"empty.png", "empty.tif", "empty.pcx", "empty.tga"}) {
        EXPECT_FALSE(saveBitmapToFile(ExportBitmap(0, 3, PixelFormat::Rgb24), folder.file(name)));
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder.file("")));
}

// Every save over an existing picture, in a child process whose files may not
// grow beyond a few bytes: each one fails with the system's reason.
int savesOverOldPicturesThatFail(const ScratchFolder& folder, const std::vector<std::string>& names)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{16, 16};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) {
        return 100;
    }
    const ExportBitmap picture = makePicture(PixelFormat::Argb32, 40, 30);
    int unexpected = 0;
    for (const std::string& name : names) {
        const std::string path = folder.file(name);
        const std::string expected = "Cannot create file \"" + path + "\". File too large";
        const std::string got = errorText(saveBitmapToFile(picture, path));
        unexpected += got == expected ? 0 : 1;
        std::cerr << got << "\n";
    }
    std::vector<Color32> board(451 * 451, 0xFFC0C0C0);
    const std::string jpeg = folder.file(names.front());
    const Status saved = saveSixteenColourJpeg(PixelRows::contiguous(board.data(), 451, 451), jpeg);
    unexpected += errorText(saved) == "Cannot create file \"" + jpeg + "\". File too large" ? 0 : 1;
    return unexpected;
}

TEST(SaveBitmap, FailedSaveKeepsTheOldPictureAndLeavesNoTemporaryFile)
{
    ScratchFolder folder("keep");
    const std::vector<std::string> names = {
        "Level01-facit.jpg", "a.png", "a.bmp", "a.tif", "a.pcx", "a.tga"};
    std::vector<std::vector<std::uint8_t>> before;
    for (const std::string& name : names) {
        ASSERT_TRUE(saveBitmapToFile(makePicture(PixelFormat::Rgb24), folder.file(name)).ok());
        before.push_back(testing::readFileBytes(folder.file(name)));
    }
    EXPECT_EXIT(std::exit(savesOverOldPicturesThatFail(folder, names)),
                ::testing::ExitedWithCode(0), "");
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(testing::readFileBytes(folder.file(names[i])), before[i]) << names[i];
    }
    for (const auto& entry : std::filesystem::directory_iterator(folder.file(""))) {
        EXPECT_FALSE(isOwnTemporaryFileName(entry.path().filename().string())) << entry.path();
    }
}

} // namespace
} // namespace prismora
