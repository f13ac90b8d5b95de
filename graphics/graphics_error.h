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
class ETransformError : public GraphicsError {
public:
    using GraphicsError::GraphicsError;
};

// An index outside a list: "List index out of bounds (%d)".
class EListError : public GraphicsError {
public:
    using GraphicsError::GraphicsError;
};

// An update counter taken below zero: "Unpaired TThreadPersistent.EndUpdate".
class EAssertionFailed : public GraphicsError {
public:
    using GraphicsError::GraphicsError;
};

} // namespace prismora
