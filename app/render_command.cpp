// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// --render: load a level, paint its board as the game shows it, write the picture by extension.
#include "app/render_command.h"

#include "cli/command_line.h"
#include "cli/commands.h"
#include "core/evaluation.h"

#include "graphics/save_bitmap.h"
#include "view/board_render.h"
#include "view/sprite_set.h"

#include <QGuiApplication>

#include <iostream>
#include <memory>

namespace prismora {
namespace {

int reportError(const std::string& message)
{
    std::cerr << "prismora: " << message << "\n";
    return 1;
}

// Painting needs a GUI application object but no display: the offscreen
// platform is used unless the caller chose another one.
std::unique_ptr<QGuiApplication> headlessApplication()
{
    if (QCoreApplication::instance() != nullptr) {
        return nullptr;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "prismora";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int runRenderCommand(const std::vector<std::string>& args)
{
    if (args.size() != 2) {
        return reportUsageError("usage: --render LEVEL OUT");
    }
    const std::string& levelPath = args[0];
    const std::string& outPath = args[1];
    if (formatForFileName(outPath) == ImageFileFormat::None) {
        return reportError("cannot tell the picture format of " + outPath +
                           " (use .png, .jpg, .jpeg, .bmp, .pcx, .tif or .tga)");
    }
    const auto application = headlessApplication();
    const std::optional<Level> level = loadLevelForCommand(levelPath);
    if (!level) {
        return 2;
    }
    // A bomb in the loaded position would only reload the same position, which
    // paints the same picture, so one paint is the board as the game shows it.
    const QImage picture = renderBoard(*level, evaluate(*level), standardSprites());
    const Status saved = saveBitmapToFile(toExportBitmap(picture), outPath);
    if (!saved) {
        return reportError(saved.error().message);
    }
    return 0;
}

} // namespace prismora
