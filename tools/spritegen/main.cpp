// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// spritegen: draws the 21 piece sprites and the button wallpaper into a resources folder.
#include "file_writers.h"
#include "icon_files.h"
#include "preview.h"
#include "sprite_checks.h"
#include "sprites.h"
#include "turned_pictures.h"
#include "wallpaper.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace prismora::spritegen;

namespace {

constexpr const char* Usage =
    "usage: spritegen RESOURCES_FOLDER [--preview FOLDER] [--icons FOLDER]\n"
    "Writes RESOURCES_FOLDER/sprites/sprite00.b32 ... sprite20.b32, their\n"
    "turned pictures RESOURCES_FOLDER/sprites/turned.bin and\n"
    "RESOURCES_FOLDER/wallpaper.bmp; with --preview also sheet.png and\n"
    "turns.png for review into FOLDER; with --icons the application,\n"
    "file-type and symbolic icons into FOLDER/hicolor/.\n"
    "usage: spritegen --same-picture A.png B.png\n"
    "Exits 0 when the two pictures match (see isSamePicture).\n";

// Whether two PNG files hold the same picture: the same size, and each
// channel of each pixel at most one step apart. The painter's antialiased
// edges come out one step apart on processors with other vector units, so
// an icon drawn on one machine is not byte for byte the one drawn on another.
bool isSamePicture(const QString& first, const QString& second)
{
    const QImage a = QImage(first).convertToFormat(QImage::Format_RGBA8888);
    const QImage b = QImage(second).convertToFormat(QImage::Format_RGBA8888);
    if (a.isNull() || a.size() != b.size()) {
        return false;
    }
    for (int y = 0; y < a.height(); ++y) {
        const uchar* rowA = a.constScanLine(y);
        const uchar* rowB = b.constScanLine(y);
        for (int i = 0; i < a.width() * 4; ++i) {
            if (std::abs(rowA[i] - rowB[i]) > 1) {
                return false;
            }
        }
    }
    return true;
}

// The folder given after `option`, or an empty string.
QString optionFolder(int argc, char** argv, const char* option)
{
    for (int i = 2; i + 1 < argc; i += 2) {
        if (QString(argv[i]) == option) {
            return QString::fromLocal8Bit(argv[i + 1]);
        }
    }
    return {};
}

bool hasValidOptions(int argc, char** argv)
{
    if (argc < 2 || argc % 2 != 0) {
        return false;
    }
    for (int i = 2; i < argc; i += 2) {
        if (QString(argv[i]) != "--preview" && QString(argv[i]) != "--icons") {
            return false;
        }
    }
    return true;
}

bool fail(const QString& message)
{
    std::fprintf(stderr, "spritegen: %s\n", qPrintable(message));
    return false;
}

bool writeSprites(const std::vector<QImage>& sprites, const QString& resources)
{
    const QDir dir(resources);
    if (!dir.mkpath("sprites")) {
        return fail("cannot create " + dir.filePath("sprites"));
    }
    for (std::size_t i = 0; i < sprites.size(); ++i) {
        const QString name = QString("sprites/sprite%1.b32").arg(i, 2, 10, QChar('0'));
        if (!writeStored32(sprites[i], dir.filePath(name))) {
            return fail("cannot write " + dir.filePath(name));
        }
    }
    const std::optional<QByteArray> turned = turnedPictureFile(sprites);
    if (!turned) {
        return fail("a turned sprite holds a colour outside the 16 standard ones");
    }
    const QString turnedPath = dir.filePath("sprites/turned.bin");
    return writeFile(*turned, turnedPath) || fail("cannot write " + turnedPath);
}

bool writeWallpaper(const QImage& picture, const QString& resources)
{
    const QString path = QDir(resources).filePath("wallpaper.bmp");
    return writeBmp8(picture, path) || fail("cannot write " + path);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && QString(argv[1]) == "--same-picture") {
        return isSamePicture(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])) ? 0
                                                                                               : 1;
    }
    if (!hasValidOptions(argc, argv)) {
        std::fputs(Usage, stderr);
        return 2;
    }
    const QString resources = QString::fromLocal8Bit(argv[1]);
    const std::vector<QImage> sprites = spriteSet();
    const std::vector<QString> faults = checkSprites(sprites);
    for (const QString& fault : faults) {
        fail(fault);
    }
    if (!faults.empty()) {
        return 1;
    }
    const QImage background = wallpaper();
    if (!writeSprites(sprites, resources) || !writeWallpaper(background, resources)) {
        return 1;
    }
    const QString icons = optionFolder(argc, argv, "--icons");
    if (!icons.isEmpty() && !writeIcons(icons)) {
        return 1;
    }
    if (const QString folder = optionFolder(argc, argv, "--preview"); !folder.isEmpty()) {
        if (!QDir().mkpath(folder) || !writePreview(sprites, background, folder)) {
            fail("cannot write the preview into " + folder);
            return 1;
        }
    }
    std::printf("spritegen: wrote %zu sprites and the wallpaper into %s\n", sprites.size(),
                argv[1]);
    return 0;
}
