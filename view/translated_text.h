// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The texts made in core/ in the language the application has loaded.
#pragma once

#include "core/local_text.h"

#include <QString>

namespace prismora {

// `text` translated through the installed translators (context
// "prismora::CoreText"), each argument translated in turn, and put in; a text
// without a translation stays Swedish.
QString translated(const LocalText& text);

} // namespace prismora
