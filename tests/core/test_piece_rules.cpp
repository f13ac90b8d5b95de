// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The piece rules: every kind at every direction, the worked cases, outputs and the inverter.
#include "core/piece_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace prismora {
namespace {

// The rule of one piece at direction d for a beam travelling b, as text:
// "-" blocked, else the new direction.
std::string rule(PieceKind kind, int d, int b)
{
    const PieceResponse response =
        respond(kind, static_cast<std::uint8_t>(d), static_cast<std::uint8_t>(b), RedBeam);
    return response.travel ? std::to_string(*response.travel) : "-";
}

TEST(PieceRulesTest, RulesAtDirectionZeroMatchTheTable)
{
    const std::array<std::pair<PieceKind, std::array<const char*, 8>>, 9> table{{
        {PieceKind::Mirror, {"-", "-", "-", "1", "-", "7", "-", "-"}},
        {PieceKind::DoubleMirror, {"-", "3", "-", "1", "-", "7", "-", "5"}},
        {PieceKind::TCoupling, {"-", "-", "-", "-", "2", "-", "-", "-"}},
        {PieceKind::TCoupling2, {"-", "-", "0", "-", "-", "-", "-", "-"}},
        {PieceKind::Cross, {"7", "-", "-", "4", "3", "-", "-", "0"}},
        {PieceKind::Inverter, {"-", "-", "-", "-", "-", "-", "-", "-"}},
        {PieceKind::YCoupling, {"-", "-", "-", "-", "3", "-", "-", "-"}},
        {PieceKind::OneWay, {"0", "-", "-", "-", "-", "-", "-", "-"}},
        {PieceKind::Obstacle, {"-", "-", "-", "-", "-", "-", "-", "-"}},
    }};
    for (const auto& [kind, expected] : table) {
        for (int b = 0; b < 8; ++b) {
            EXPECT_EQ(rule(kind, 0, b), expected[static_cast<std::size_t>(b)])
                << "kind " << static_cast<int>(kind) << " b " << b;
        }
    }
}

TEST(PieceRulesTest, TurningAPieceTurnsEveryRule)
{
    for (PieceKind kind : {PieceKind::Mirror, PieceKind::DoubleMirror, PieceKind::Cross,
                           PieceKind::TCoupling, PieceKind::YCoupling, PieceKind::OneWay}) {
        for (int d = 0; d < 8; ++d) {
            for (int b = 0; b < 8; ++b) {
                const std::string base = rule(kind, 0, (b - d + 8) % 8);
                const std::string turnedRule =
                    base == "-" ? "-" : std::to_string((std::stoi(base) + d) % 8);
                EXPECT_EQ(rule(kind, d, b), turnedRule)
                    << static_cast<int>(kind) << " d" << d << " b" << b;
            }
        }
    }
}

TEST(PieceRulesTest, WorkedCases)
{
    EXPECT_EQ(rule(PieceKind::Mirror, 3, 0), "2"); // east leaves north
    EXPECT_EQ(rule(PieceKind::Mirror, 3, 6), "4"); // south leaves west
    EXPECT_EQ(rule(PieceKind::DoubleMirror, 1, 0), "6");
    EXPECT_EQ(rule(PieceKind::DoubleMirror, 1, 2), "4");
    EXPECT_EQ(rule(PieceKind::DoubleMirror, 1, 4), "2");
    EXPECT_EQ(rule(PieceKind::DoubleMirror, 1, 6), "0");
    EXPECT_EQ(rule(PieceKind::TCoupling, 4, 0), "6");
    EXPECT_EQ(rule(PieceKind::TCoupling2, 6, 0), "6");
    EXPECT_EQ(rule(PieceKind::YCoupling, 4, 0), "7");
    EXPECT_EQ(rule(PieceKind::OneWay, 2, 2), "2");
    EXPECT_EQ(rule(PieceKind::OneWay, 2, 6), "-");
    EXPECT_EQ(rule(PieceKind::Mirror, 250, 5), rule(PieceKind::Mirror, 2, 5)) << "modulo 8";
}

TEST(PieceRulesTest, SplittersFeedTheirOutputInTheBeamsColour)
{
    EXPECT_EQ(respond(PieceKind::TCoupling, 4, 0, BlueBeam).output, (OutputFeed{2, BlueBeam}));
    EXPECT_EQ(respond(PieceKind::TCoupling2, 6, 0, GreenBeam).output, (OutputFeed{0, GreenBeam}));
    EXPECT_EQ(respond(PieceKind::YCoupling, 4, 0, RedBeam).output, (OutputFeed{1, RedBeam}));
    EXPECT_FALSE(respond(PieceKind::YCoupling, 4, 1, RedBeam).output);
}

TEST(PieceRulesTest, InverterCyclesColoursBothWaysAndKeepsOthers)
{
    struct Case {
        int travel;
        std::int32_t in;
        std::int32_t out;
    };
    const std::array<Case, 6> cases{{{0, RedBeam, GreenBeam},
                                     {0, GreenBeam, BlueBeam},
                                     {0, BlueBeam, RedBeam},
                                     {4, RedBeam, BlueBeam},
                                     {4, BlueBeam, GreenBeam},
                                     {4, GreenBeam, RedBeam}}};
    for (const Case& c : cases) {
        const PieceResponse response =
            respond(PieceKind::Inverter, 0, static_cast<std::uint8_t>(c.travel), c.in);
        EXPECT_FALSE(response.travel) << "the beam ends in the inverter";
        EXPECT_EQ(response.output, (OutputFeed{static_cast<std::uint8_t>(c.travel), c.out}));
    }
    EXPECT_FALSE(respond(PieceKind::Inverter, 0, 2, RedBeam).output)
        << "beams across the inverter feed nothing";
    EXPECT_EQ(respond(PieceKind::Inverter, 0, 0, WhiteBeam).output, (OutputFeed{0, std::nullopt}))
        << "other colours leave the output's colour alone";
}

// The tracer builds one table of every rule and ends a looping beam at the
// first state it entered again; both hold only while the way a beam leaves
// (and whether it feeds) ignores its colour and each way out has one way in.
TEST(PieceRulesTest, RulesIgnoreTheColourForDirectionsAndNeverMergeTwoArrivals)
{
    for (int kind = 0; kind < 16; ++kind) {
        for (int d = 0; d < 8; ++d) {
            std::array<int, 8> arrivalsLeavingThisWay{};
            for (int b = 0; b < 8; ++b) {
                const auto respondIn = [&](std::int32_t colour) {
                    return respond(static_cast<PieceKind>(kind), static_cast<std::uint8_t>(d),
                                   static_cast<std::uint8_t>(b), colour);
                };
                const PieceResponse red = respondIn(RedBeam);
                for (std::int32_t colour : {GreenBeam, BlueBeam, WhiteBeam, 0x123456}) {
                    const PieceResponse other = respondIn(colour);
                    EXPECT_EQ(other.travel, red.travel) << kind << " d" << d << " b" << b;
                    EXPECT_EQ(other.output.has_value(), red.output.has_value()) << kind;
                    if (other.output && red.output) {
                        EXPECT_EQ(other.output->direction, red.output->direction) << kind;
                    }
                }
                if (red.travel) {
                    ++arrivalsLeavingThisWay[*red.travel % 8];
                }
            }
            for (int count : arrivalsLeavingThisWay) {
                EXPECT_LE(count, 1) << "kind " << kind << " d" << d;
            }
        }
    }
}

} // namespace
} // namespace prismora
