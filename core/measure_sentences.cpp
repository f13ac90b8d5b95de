// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The measures' sentences, with the element's words put in.
#include "core/measure_sentences.h"

#include "core/board_texts.h"

#include <string>

namespace prismora {
namespace {

Measure saying(MeasureState state, std::optional<MeasureElement> element, const char* sentence,
               bool namesCellOnly, long states)
{
    LocalText said{sentence, {}};
    if (element && said.source.find("%1") != std::string::npos) {
        said.arguments.push_back(namesCellOnly ? cellWords(element->column, element->row)
                                               : elementWords(*element));
    }
    std::string text = swedishText(said);
    return {.state = state,
            .element = element,
            .text = std::move(text),
            .states = states,
            .said = std::move(said)};
}

} // namespace

Measure holdingSaying(const char* sentence, long states)
{
    return saying(MeasureState::Holds, std::nullopt, sentence, false, states);
}

Measure failingSaying(std::optional<MeasureElement> element, const char* sentence, long states)
{
    return saying(MeasureState::Fails, element, sentence, false, states);
}

Measure failingAtCell(const MeasureElement& element, const char* sentence)
{
    return saying(MeasureState::Fails, element, sentence, true, 0);
}

Measure undecidedMeasure(long states)
{
    return saying(MeasureState::Undecided, std::nullopt, sentence::Undecided, false, states);
}

} // namespace prismora
