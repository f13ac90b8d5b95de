// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// ASCII-only case folding for file and section names.
#pragma once

#include <string>
#include <string_view>

namespace prismora {

// The text with A..Z lowered; every other byte (UTF-8 or Windows-1252
// letters included) stays as it is.
std::string lowerAscii(std::string_view text);

bool equalIgnoringAsciiCase(std::string_view a, std::string_view b);

} // namespace prismora
