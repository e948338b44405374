// Failed writes to a stream, with the system's reason.
#pragma once

#include <iosfwd>
#include <stdexcept>

namespace lexorin {

// A write that did not reach its destination; what() is the reason.
class EWriteFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Throws EWriteFailed with the reason errno gives ("No space left on device",
// "Broken pipe") when a write to `stream` has failed.
void CheckWritten(const std::ostream& stream);

} // namespace lexorin
