// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Exceptions of the graphics library, for misuse that a caller cannot decide about.
#pragma once

#include <stdexcept>
#include <string>

namespace prismora {

// Base of every exception thrown by graphics/. Failures a caller decides about
// (reading a stored bitmap, saving a file) are returned as values instead.
class GraphicsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A block transfer given an empty source or destination.
class EmptyBitmapError : public GraphicsError {
public:
    using GraphicsError::GraphicsError;
};

// An index outside a list: "List index out of bounds (%d)".
class ListIndexError : public GraphicsError {
public:
    using GraphicsError::GraphicsError;
};

// An update ended that was never started (the update counter would drop below zero).
class UnpairedEndUpdateError : public GraphicsError {
public:
    using GraphicsError::GraphicsError;
};

} // namespace prismora
