// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Thousands of random sequences of session operations: nothing made is dropped unasked, and undo
// walks back through exactly the positions the actions left.
#include "session_fixture.h"

#include "core/palette.h"
#include "core/solver.h"

#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <random>
#include <vector>

namespace prismora::testing {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t Seed = 20261209;
constexpr int Sequences = 2000;
constexpr int OperationsPerSequence = 40;

// The operations a player or designer may do in any order; the ones that may
// leave the level on the board are asked without consent first.
struct Step {
    const char* name;
    bool mayLeave; // loads or starts a design: must ask before dropping a changed one
    std::function<SessionOutcome(GameSession&, std::mt19937&, Consent)> run;
};

std::vector<Step> operations(const SessionFixture& game)
{
    auto pick = [](std::mt19937& random, int below) {
        return static_cast<int>(random() % static_cast<std::uint32_t>(below));
    };
    auto cell = [pick](std::mt19937& random) {
        return PointerCell{pick(random, 12) - 1, pick(random, 12) - 1, pick(random, 4) != 0};
    };
    const fs::path junk = game.dir().write("junk.prl", "nothing to see");
    return {
        {"hover", false,
         [cell](GameSession& s, std::mt19937& r, Consent) {
             return s.movePointer(cell(r), PointerMove::Hover);
         }},
        {"drag", false,
         [cell](GameSession& s, std::mt19937& r, Consent) {
             return s.movePointer(cell(r), PointerMove::Drag);
         }},
        {"release", false,
         [](GameSession& s, std::mt19937&, Consent) { return s.releasePointer(); }},
        {"turn", false,
         [pick](GameSession& s, std::mt19937& r, Consent) {
             return s.turnGrabbed(pick(r, 2) ? Turn::Clockwise : Turn::Anticlockwise);
         }},
        {"take", false,
         [pick](GameSession& s, std::mt19937& r, Consent) {
             return s.takeFromPalette(pick(r, EditRowCount));
         }},
        {"key move", false,
         [pick](GameSession& s, std::mt19937& r, Consent) {
             return s.moveCursor(pick(r, 3) - 1, pick(r, 3) - 1);
         }},
        {"key hold", false,
         [](GameSession& s, std::mt19937&, Consent) { return s.pickUpOrPutDown(); }},
        {"key turn", false,
         [](GameSession& s, std::mt19937&, Consent) {
             return s.turnAtCursor(Turn::Anticlockwise);
         }},
        {"key give back", false,
         [](GameSession& s, std::mt19937&, Consent) { return s.giveBackAtCursor(); }},
        {"key take", false,
         [pick](GameSession& s, std::mt19937& r, Consent) { return s.takeIntoHand(pick(r, 9)); }},
        {"undo", false, [](GameSession& s, std::mt19937&, Consent) { return s.undo(); }},
        {"redo", false, [](GameSession& s, std::mt19937&, Consent) { return s.redo(); }},
        {"restart", false, [](GameSession& s, std::mt19937&, Consent) { return s.restart(); }},
        {"next", true, [](GameSession& s, std::mt19937&, Consent c) { return s.nextLevel(c); }},
        {"previous", true,
         [](GameSession& s, std::mt19937&, Consent c) { return s.previousLevel(c); }},
        {"choose", true,
         [pick](GameSession& s, std::mt19937& r, Consent c) {
             return s.goToSeriesLevel(pick(r, 3), c);
         }},
        {"open", true,
         [junk, &game, pick](GameSession& s, std::mt19937& r, Consent c) {
             return s.openFile(pick(r, 4) == 0 ? junk : game.seriesFile(1 + pick(r, 3)), c);
         }},
        {"continue", true,
         [](GameSession& s, std::mt19937&, Consent c) { return s.continueSavedGame(c); }},
        {"new design", true,
         [](GameSession& s, std::mt19937&, Consent c) { return s.newDesign(c); }},
        {"edit", false, [](GameSession& s, std::mt19937&, Consent) { return s.editLoaded(); }},
        {"play", false, [](GameSession& s, std::mt19937&, Consent) { return s.playLoaded(); }},
        {"save position", false,
         [](GameSession& s, std::mt19937&, Consent) { return s.savePosition(); }},
    };
}

// Undo is checked against a model: each step the history makes must be the
// position before the action that made it.
struct ExpectedHistory {
    std::vector<Level> steps;
    std::optional<Level> actionStart;
};

void followHistory(const GameSession& session, const Level& before, bool wasActionOpen,
                   std::size_t undoCountBefore, const std::string& operation,
                   ExpectedHistory& expected)
{
    const UndoHistory& history = session.history();
    if (operation == "undo" || operation == "redo") {
        // Undo and redo move positions between the two stacks; the model
        // follows by popping and pushing what the session returned to.
        if (history.undoCount() < undoCountBefore) {
            ASSERT_FALSE(expected.steps.empty());
            ASSERT_TRUE(isSamePosition(session.level(), expected.steps.back()));
            expected.steps.pop_back();
        } else if (history.undoCount() > undoCountBefore) {
            expected.steps.push_back(before);
        }
        if (!history.isActionOpen()) {
            expected.actionStart.reset();
        }
        return;
    }
    const bool madeStep = history.undoCount() > undoCountBefore;
    std::size_t made = madeStep ? history.undoCount() - undoCountBefore : 0;
    if (history.undoCount() == 0) {
        expected.steps.clear();
        made = 0;
    }
    // A carry or drag that ends makes the step from where it began; what
    // the operation did after that (a digit taking a piece) is a step of its own.
    if (made > 0 && wasActionOpen && expected.actionStart &&
        !isSamePosition(*expected.actionStart, before)) {
        expected.steps.push_back(*expected.actionStart);
        --made;
    }
    if (made > 0) {
        expected.steps.push_back(before);
    }
    // A digit ends the carry before it and begins a new one.
    const bool beganAction = !wasActionOpen || operation == "key take";
    if (beganAction && history.isActionOpen()) {
        // A carry begins where the step that took its piece ended.
        expected.actionStart = madeStep ? session.level() : before;
    } else if (!history.isActionOpen()) {
        expected.actionStart.reset();
    }
}

TEST(SessionSequences, NothingIsDroppedUnaskedAndUndoWalksBackExactly)
{
    std::cout << "seed " << Seed << "\n";
    std::mt19937 random(Seed);
    std::error_code error;
    const fs::path memory = fs::is_directory("/dev/shm", error) ? fs::path("/dev/shm") : fs::path();
    for (int sequence = 0; sequence < Sequences; ++sequence) {
        SessionFixture game(memory);
        const std::vector<Step> steps = operations(game);
        GameSession& session = *game.session;
        ExpectedHistory expected;
        std::string trail;
        for (int i = 0; i < OperationsPerSequence; ++i) {
            const Step& step = steps[random() % steps.size()];
            trail += std::string(step.name) + "[" + std::to_string(session.history().undoCount()) +
                     (session.history().isActionOpen() ? "o" : "") + "], ";
            const Level before = session.level();
            const bool wasChanged = session.isDesignChanged();
            const bool wasActionOpen = session.history().isActionOpen();
            const std::size_t undoCount = session.history().undoCount();
            SessionOutcome outcome = step.run(session, random, Consent::NotAsked);
            if (step.mayLeave && wasChanged) {
                ASSERT_EQ(outcome.question, Question::LeaveDesign) << trail;
                ASSERT_EQ(session.level(), before) << trail;
                if (random() % 2 == 0) {
                    continue;
                }
                outcome = step.run(session, random, Consent::Given);
            }
            followHistory(session, before, wasActionOpen, undoCount, step.name, expected);
            ASSERT_FALSE(::testing::Test::HasFatalFailure())
                << "sequence " << sequence << ": " << trail;
        }
        // Quitting either saves the unfinished position or asks.
        const bool isFinished = session.evaluation().isFinished();
        const bool wasChanged = session.isDesignChanged();
        const Level left = session.level();
        const SessionOutcome quit = session.quit(Consent::NotAsked);
        if (!isFinished) {
            ASSERT_TRUE(quit.close) << trail;
            const Level saved =
                parseLevel(ScratchDir::read(game.playerFolder() / SavedGameFileName)).level;
            ASSERT_EQ(saved.pieces, reloadedLevel(left).pieces) << trail;
            ASSERT_EQ(saved.sources, reloadedLevel(left).sources) << trail;
        } else {
            ASSERT_EQ(quit.close, !wasChanged) << trail;
        }
        // Undo walks back through every step the actions made, the first
        // being a carry still open.
        if (session.history().isActionOpen() && expected.actionStart &&
            !isSamePosition(session.level(), *expected.actionStart)) {
            expected.steps.push_back(*expected.actionStart);
        }
        while (session.canUndo() && !expected.steps.empty()) {
            const Level wanted = expected.steps.back();
            expected.steps.pop_back();
            session.undo();
            ASSERT_TRUE(isSamePosition(session.level(), wanted))
                << "sequence " << sequence << ": " << trail;
        }
        ASSERT_EQ(session.history().undoCount(), 0u) << trail;
        ASSERT_TRUE(expected.steps.empty()) << trail;
    }
}

} // namespace
} // namespace prismora::testing
