// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The words for a solve's moves and time and for a level's record: "6 drag, 0:42 (bäst: 5 drag)".
#pragma once

#include "core/personal_record.h"

#include <QString>

#include <cstdint>

namespace prismora {

// Minutes and seconds, "0:42" (seconds cut, not rounded).
QString durationText(std::int64_t milliseconds);
// "5 drag, 0:42".
QString recordText(const LevelRecord& record);
// This solve's moves and time, then the record as it stood where it was
// better ("(bäst: 5 drag)"), or "(nytt rekord!)" when this solve beat it.
QString solveText(const SolveReport& report);

} // namespace prismora
