// STAND-IN for the level generator: a small fixed-shape level drawn from the seed, so the window
// can be built and tried. It is replaced by the real generator; it promises no unique solution.
#include "core/level_generator.h"

#include "core/palette.h"
#include "core/random.h"

namespace prismora {
namespace {

int stubPieceCount(Tier tier)
{
    switch (tier) {
    case Tier::Easy:
        return 2;
    case Tier::Medium:
        return 3;
    case Tier::Hard:
        return 4;
    case Tier::Master:
        return 5;
    }
    return 2;
}

} // namespace

Result<GeneratedLevel, GenerateFailure> generateLevel(const SeedCode& code,
                                                      const std::atomic<bool>* cancel)
{
    if (code.version > GeneratorVersion) {
        return GenerateFailure::NewerVersion;
    }
    if (cancel != nullptr && cancel->load()) {
        return GenerateFailure::Cancelled;
    }
    Random random(code.seed);
    GeneratedLevel generated;
    generated.code = formatSeedCode(code);
    Level& level = generated.level;
    level.name = std::string(tierName(code.tier)) + " " + generated.code;
    level.mode = Mode::Play;
    const auto cell = [&random] { return static_cast<std::int32_t>(2 + random.uniform(7)); };
    appendPiece(level, PieceKind::RedLamp, cell(), 1, 0);
    appendPiece(level, PieceKind::RedLamp, 9, cell(), 0);
    appendCannon(level, 1, cell(), 0, RedBeam);
    level.palette.assign(PlayRowCount, 0);
    level.palette[0] = stubPieceCount(code.tier);
    generated.difficulty = static_cast<int>(code.tier);
    return generated;
}

} // namespace prismora
