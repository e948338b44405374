#include "WriteCheck.h"

#include <cerrno>
#include <cstring>
#include <ostream>

namespace lexorin {

void CheckWritten(const std::ostream& stream) {
    if (stream)
        return;
    throw EWriteFailed(errno != 0 ? std::strerror(errno) : "write error");
}

} // namespace lexorin
