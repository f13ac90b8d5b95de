// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// --generate: a level with one solution from a tier and a seed (or a date), printed as JSON.
#include "cli/command_line.h"
#include "cli/commands.h"

#include "core/level_file.h"
#include "core/level_generator.h"
#include "core/palette.h"

#include <nlohmann/json.hpp>

#include <chrono>
#include <iostream>

namespace prismora {
namespace {

using nlohmann::ordered_json;

constexpr const char* GenerateUsage =
    "usage: --generate [--tier T] [--seed S | --daily YYYY-MM-DD] [--write OUT.prl]";

struct GenerateOptions {
    SeedCode code;
    bool hasSeed = false;
    std::string writeTo;
};

// The seed of a date written YYYY-MM-DD, a day the calendar has.
std::optional<std::uint32_t> dailySeedOf(std::string_view text)
{
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' ||
        !readNumber(text.substr(0, 4), year) || !readNumber(text.substr(5, 2), month) ||
        !readNumber(text.substr(8, 2), day)) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{month},
                                           std::chrono::day{day}};
    if (!date.ok()) {
        return std::nullopt;
    }
    return dailySeed(year, static_cast<int>(month), static_cast<int>(day));
}

std::optional<GenerateOptions> parseOptions(const std::vector<std::string>& args)
{
    GenerateOptions options;
    bool hasTier = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (i + 1 >= args.size()) {
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (option == "--tier" && !hasTier && tierByName(value)) {
            options.code.tier = *tierByName(value);
            hasTier = true;
        } else if (option == "--seed" && !options.hasSeed && readNumber(value, options.code.seed)) {
            options.hasSeed = true;
        } else if (option == "--daily" && !options.hasSeed && dailySeedOf(value)) {
            options.code.seed = *dailySeedOf(value);
            options.hasSeed = true;
        } else if (option == "--write" && options.writeTo.empty() && !value.empty()) {
            options.writeTo = value;
        } else {
            return std::nullopt;
        }
    }
    return options;
}

// The pieces in the hand by kind, as the other commands number kinds.
ordered_json handJson(const Level& level)
{
    ordered_json pieces = ordered_json::array();
    for (int row = 0; row < PlayRowCount; ++row) {
        if (paletteCount(level, row) > 0) {
            pieces.push_back(
                {{"kind", static_cast<int>(kindOfRow(row).value_or(PieceKind::Mirror))},
                 {"count", paletteCount(level, row)}});
        }
    }
    return pieces;
}

std::uint32_t seedFromClock()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(ticks) ^
                                      (static_cast<std::uint64_t>(ticks) >> 32));
}

} // namespace

int runGenerateCommand(const std::vector<std::string>& args)
{
    std::optional<GenerateOptions> options = parseOptions(args);
    if (!options) {
        return reportUsageError(GenerateUsage);
    }
    if (!options->hasSeed) {
        options->code.seed = seedFromClock();
    }
    const auto generated = generateLevel(options->code);
    if (!generated.ok()) {
        return reportUsageError("no level was made from seed " +
                                std::to_string(options->code.seed));
    }
    const GeneratedLevel& level = generated.value();
    if (!options->writeTo.empty()) {
        const auto saved =
            saveLevel(level.level, SaveLayout::Position, Completion::Unfinished, options->writeTo);
        if (!saved.ok()) {
            return reportUsageError("cannot write " + saved.error().path.string() + ": " +
                                    saved.error().reason);
        }
    }
    const ordered_json answer{{"code", level.code},
                              {"tier", std::string(tierName(options->code.tier))},
                              {"seed", options->code.seed},
                              {"difficulty", level.difficulty},
                              {"pieces", handJson(level.level)}};
    std::cout << answer.dump() << "\n";
    return 0;
}

} // namespace prismora
