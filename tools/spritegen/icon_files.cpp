// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The application, file-type and symbolic icons written as PNG and SVG files.
#include "icon_files.h"

#include "file_type_icon.h"
#include "file_writers.h"
#include "icon.h"
#include "png_file.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <functional>

namespace prismora::spritegen {

namespace {

bool writeBytes(const QByteArray& bytes, const QString& path)
{
    if (QDir().mkpath(QFileInfo(path).path()) && writeFile(bytes, path)) {
        return true;
    }
    std::fprintf(stderr, "spritegen: cannot write %s\n", qPrintable(path));
    return false;
}

// One icon in every size: hicolor/<n>x<n>/<context>/<name>.png and
// hicolor/scalable/<context>/<name>.svg.
bool writeIconSet(const QDir& hicolor, const QString& context, const QString& name,
                  const std::function<VectorPicture(IconDetail)>& draw)
{
    for (const int size : IconSizes) {
        const QString path =
            hicolor.filePath(QStringLiteral("%1x%1/%2/%3.png").arg(size).arg(context, name));
        if (!writeBytes(encodePng(draw(iconDetailFor(size)).render(size)), path)) {
            return false;
        }
    }
    const QString svg = hicolor.filePath(QStringLiteral("scalable/%1/%2.svg").arg(context, name));
    return writeBytes(draw(IconDetail::Full).svg(), svg);
}

} // namespace

bool writeIcons(const QString& folder)
{
    const QDir hicolor(QDir(folder).filePath(QStringLiteral("hicolor")));
    const QString name = QString::fromLatin1(IconName);
    const QString symbolic =
        hicolor.filePath(QStringLiteral("symbolic/apps/%1-symbolic.svg").arg(name));
    return writeIconSet(hicolor, QStringLiteral("apps"), name, applicationIcon) &&
           writeIconSet(hicolor, QStringLiteral("mimetypes"), QString::fromLatin1(FileTypeIconName),
                        fileTypeIcon) &&
           writeBytes(symbolicApplicationIcon().svg(), symbolic);
}

} // namespace prismora::spritegen
