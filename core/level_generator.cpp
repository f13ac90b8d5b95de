// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The generator: for each tier a recipe, attempts drawn from the seed until one passes every
// measure.
#include "core/level_generator.h"

#include "base/first_success.h"
#include "core/level_generator_accept.h"
#include "core/level_generator_unique.h"
#include "core/level_measures.h"

#include <array>

namespace prismora {
namespace {

// States each count of solutions may explore while a level is made; a count
// that needs more refuses the attempt, so what the seed gives never depends
// on the clock or the machine.
constexpr long GeneratorStates = 20'000;

// Lamps, bombs and obstacles added to make a planted solution the only one:
// a draw that needs more is rarely worth the counting.

// Attempts before the generator gives up on a seed: far more than any seed
// of the benchmark needs, so that the loop ends whatever happens.
constexpr int MostAttempts = 5000;

struct TierRules {
    int fewestPieces;
    int mostPieces;
    int fewestCannons;
    int mostCannons;
    std::vector<PieceKind> kinds;
    // The difficulty scores the tier takes: each tier's lie above the one's
    // before, so a harder tier never gives an easier level.
    int lowestScore;
    int highestScore;
    // Lamps put down with the planted solution, and most lamps in all.
    int firstLamps = 4;
    int mostLamps = 8;
    // Lamps added to make the solution the only one stay off the beams of
    // the starting position, where they could be lit before a move.
    bool lampsDarkAtStart = false;
    // States each count may explore while a level that is already unique is
    // trimmed and judged: the trimmed level's tree is bigger than the one
    // made unique.
    long acceptStates = GeneratorStates;
};

// The version of the generator whose recipe a code's tier follows: only
// "Mästare" changed in version 2, so every other tier makes in version 2
// the very level of version 1, and the daily puzzle of a date stays the
// same whichever version a player has.
int recipeVersion(const SeedCode& code) { return code.tier == Tier::Master ? code.version : 1; }

TierRules rulesOf(Tier tier, int version)
{
    using enum PieceKind;
    const std::vector<PieceKind> allKinds{Mirror,    Mirror,     DoubleMirror, Cross,
                                          TCoupling, TCoupling2, Inverter,     YCoupling};
    switch (tier) {
    case Tier::Easy:
        return {2, 3, 1, 2, {Mirror, Mirror, Mirror, DoubleMirror}, 0, 34};
    case Tier::Medium:
        return {3, 4, 2, 2, {Mirror, Mirror, Mirror, DoubleMirror, Cross, TCoupling}, 35, 47};
    case Tier::Hard:
        return {4, 5, 2, 3, allKinds, 48, 62};
    case Tier::Master:
        break;
    }
    if (version == 1) {
        return {5, 7, 3, 3, allKinds, 63, 1000};
    }
    // Five pieces and two cannons: a sixth piece or a third cannon made a
    // level in several times as many attempts, most of them spent on counts
    // too big for the budget. More lamps at first cut the counts short. Of
    // the unique levels, three in four failed to be trimmed within 20,000
    // states a count.
    return {5, 5, 2, 2, allKinds, 63, 1000, 6, 10, true, 200'000};
}

int between(Random& random, int fewest, int most)
{
    return fewest + static_cast<int>(random.uniform(static_cast<std::uint64_t>(most - fewest + 1)));
}

PlantingRecipe recipeOf(const TierRules& rules, Random& random)
{
    PlantingRecipe recipe;
    recipe.pieces = between(random, rules.fewestPieces, rules.mostPieces);
    recipe.cannons = between(random, rules.fewestCannons, rules.mostCannons);
    recipe.kinds = rules.kinds;
    recipe.firstLamps = rules.firstLamps;
    recipe.firstBombs = MostMasterBombs;
    return recipe;
}

// Each attempt draws from its own generator, seeded by the code and the
// attempt's number, so an attempt's level never depends on how much the
// attempts before it drew.
std::uint64_t attemptSeed(const SeedCode& code, int attempt)
{
    std::uint64_t state = static_cast<std::uint64_t>(code.seed) |
                          static_cast<std::uint64_t>(code.tier) << 32 |
                          static_cast<std::uint64_t>(recipeVersion(code)) << 36 |
                          static_cast<std::uint64_t>(attempt) << 42;
    return splitMix64(state);
}

std::string_view numberWord(int number)
{
    constexpr std::array<std::string_view, 8> Words{"noll", "en",  "två", "tre",
                                                    "fyra", "fem", "sex", "sju"};
    return number >= 0 && number < static_cast<int>(Words.size())
               ? Words[static_cast<std::size_t>(number)]
               : std::string_view("många");
}

std::string descriptionOf(const Level& start)
{
    const ElementCounts counts = countElements(start);
    std::string text(numberWord(counts.pieces));
    text[0] = static_cast<char>(text[0] - 'a' + 'A');
    text += " pjäser att placera, ";
    text += numberWord(counts.cannons);
    text += counts.cannons == 1 ? " kanon" : " kanoner";
    return text;
}

GeneratedLevel finished(const SeedCode& code, const Accepted& accepted)
{
    GeneratedLevel generated;
    generated.code = formatSeedCode(code);
    generated.level = accepted.level.start;
    generated.level.name = "Slumpad " + std::string(tierName(code.tier)) + " " + generated.code;
    generated.difficulty = accepted.difficulty;
    generated.description = descriptionOf(generated.level);
    return generated;
}

// One attempt at a level from the code: a planted solution made the only
// one, every measure asked, the tier's difficulty checked. Depends on the
// code and the attempt's number alone.
std::optional<Accepted> tryAttempt(const SeedCode& code, int attempt,
                                   const std::atomic<bool>* cancel)
{
    const TierRules rules = rulesOf(code.tier, recipeVersion(code));
    const UniquenessBudget budget{.states = GeneratorStates,
                                  .mostLamps = rules.mostLamps,
                                  .mostBombs = MostMasterBombs,
                                  .lampsDarkAtStart = rules.lampsDarkAtStart,
                                  .cancel = cancel};
    Random random(attemptSeed(code, attempt));
    std::optional<Planted> planted = plant(random, recipeOf(rules, random));
    if (planted) {
        planted = makeUnique(*planted, random, budget);
    }
    if (!planted) {
        return std::nullopt;
    }
    Acceptance acceptance = acceptPlanted(*planted, rules.acceptStates, cancel);
    if (acceptance.accepted && acceptance.accepted->difficulty >= rules.lowestScore &&
        acceptance.accepted->difficulty <= rules.highestScore) {
        return std::move(acceptance.accepted);
    }
    return std::nullopt;
}

} // namespace

Result<GeneratedLevel, GenerateFailure> generateLevel(const SeedCode& code,
                                                      const std::atomic<bool>* cancel)
{
    if (code.version > GeneratorVersion) {
        return GenerateFailure::NewerVersion;
    }
    const std::optional<Accepted> accepted = firstSuccess(
        MostAttempts, searchThreads(),
        [&](int attempt) { return tryAttempt(code, attempt, cancel); }, cancel);
    if (!accepted) {
        return GenerateFailure::Cancelled;
    }
    return finished(code, *accepted);
}

} // namespace prismora
