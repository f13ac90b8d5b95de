// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the measures of a good level say: fixed Swedish sentences, "%1" where one names an element.
#pragma once

#include "core/level_measures.h"
#include "core/local_text.h"

namespace prismora {

namespace sentence {
inline constexpr const char* Undecided =
    QT_TRANSLATE_NOOP("prismora::CoreText", "Sökningen räckte inte för att avgöra");
inline constexpr const char* NoSolution =
    QT_TRANSLATE_NOOP("prismora::CoreText", "Nivån har ingen lösning");
inline constexpr const char* OneSolution =
    QT_TRANSLATE_NOOP("prismora::CoreText", "Nivån har exakt en lösning");
inline constexpr const char* MoreSolutions =
    QT_TRANSLATE_NOOP("prismora::CoreText", "Nivån har fler än en lösning");
inline constexpr const char* MoreSolutionsWith =
    QT_TRANSLATE_NOOP("prismora::CoreText", "Nivån har fler än en lösning, till exempel med %1");
inline constexpr const char* AlreadyMoreSolutions =
    QT_TRANSLATE_NOOP("prismora::CoreText", "Nivån har redan fler än en lösning");
inline constexpr const char* NotNeeded = QT_TRANSLATE_NOOP("prismora::CoreText", "%1 behövs inte");
inline constexpr const char* EveryElementNeeded =
    QT_TRANSLATE_NOOP("prismora::CoreText", "Varje lampa, bomb och hinder behövs");
inline constexpr const char* LitAtLoad =
    QT_TRANSLATE_NOOP("prismora::CoreText", "%1 lyser redan när nivån laddas");
inline constexpr const char* NoLampLit =
    QT_TRANSLATE_NOOP("prismora::CoreText", "Ingen lampa lyser från början");
inline constexpr const char* OneLampLit =
    QT_TRANSLATE_NOOP("prismora::CoreText", "En lampa lyser från början");
inline constexpr const char* TooManyBombs =
    QT_TRANSLATE_NOOP("prismora::CoreText", "Fler än 3 bomber");
inline constexpr const char* TooManyElements =
    QT_TRANSLATE_NOOP("prismora::CoreText", "Fler än 14 lampor, bomber och hinder");
inline constexpr const char* Restrained =
    QT_TRANSLATE_NOOP("prismora::CoreText", "Högst 3 bomber och 14 lampor, bomber och hinder");
inline constexpr const char* BombOutOfReach =
    QT_TRANSLATE_NOOP("prismora::CoreText", "Ingen pjäs kan leda en stråle till bomben i %1");
inline constexpr const char* EveryBombReached =
    QT_TRANSLATE_NOOP("prismora::CoreText", "Varje bomb kan nås av en stråle");
inline constexpr const char* SafePath = QT_TRANSLATE_NOOP(
    "prismora::CoreText", "Lösningen kan läggas bit för bit utan att en bomb smäller");
inline constexpr const char* EveryOrderExplodes = QT_TRANSLATE_NOOP(
    "prismora::CoreText", "Varje ordning leder en stråle in i en bomb, som bomben i %1");
inline constexpr const char* NoOrderSolves =
    QT_TRANSLATE_NOOP("prismora::CoreText", "Ingen ordning av lösningens pjäser löser nivån");
} // namespace sentence

// A measure that holds, or fails naming `element` (or nothing), saying
// `sentence`, the element's kind and cell ("Röd lampa i kolumn 3, rad 4") for
// its "%1".
Measure holdingSaying(const char* sentence, long states = 0);
Measure failingSaying(std::optional<MeasureElement> element, const char* sentence, long states = 0);
// Fails naming `element`, the sentence giving only its cell ("kolumn 3, rad 4") for "%1".
Measure failingAtCell(const MeasureElement& element, const char* sentence);
// A search ran out of states before the measure could tell.
Measure undecidedMeasure(long states);

} // namespace prismora
