// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's version, set in one place: the project's version in CMakeLists.txt.
#pragma once

#include <string_view>

namespace prismora {

inline constexpr std::string_view Version = PRISMORA_VERSION;

} // namespace prismora
