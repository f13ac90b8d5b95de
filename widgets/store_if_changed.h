// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Helper for property setters that repaint only when the value really changes.
#pragma once

namespace prismora {

// Stores value in member and returns true when it differed from the old value.
template <typename T> bool storeIfChanged(T& member, const T& value)
{
    if (member == value)
        return false;
    member = value;
    return true;
}

} // namespace prismora
