// Exception types raised by the analysis engine.
#pragma once

#include <stdexcept>
#include <string>

namespace lexorin {

// A plain engine error; the message says what went wrong.
class EFeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// An operation that this kind of string object does not provide was called.
class EFeAbstractError : public EFeError {
public:
    explicit EFeAbstractError(const std::string& operation)
        : EFeError("Abstract error: " + operation + " is not provided by this string object") {}
};

// An operation was given the wrong kind of object (a word tree where a
// character tree is required, or the other way round).
class EFeInvalidCast : public EFeError {
public:
    explicit EFeInvalidCast(const std::string& what)
        : EFeError("Invalid class typecast: " + what) {}
};

// The tree builder met a state that a correct symbol equality cannot produce.
class EFeInternalError : public EFeError {
public:
    explicit EFeInternalError(const std::string& what) : EFeError("Internal error: " + what) {}
};

// A stream ended early or holds values that cannot describe a valid object.
class EFeStreamError : public EFeError {
public:
    explicit EFeStreamError(const std::string& what) : EFeError("Stream read error: " + what) {}
};

// A stored string object names a class that cannot be read back.
class EFeStringClassError : public EFeError {
public:
    explicit EFeStringClassError(int classByte)
        : EFeError("Unknown string class " + std::to_string(classByte) +
                   " in stream: only character strings can be read") {}
};

} // namespace lexorin
