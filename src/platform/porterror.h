#pragma once

#include <stdexcept>

// A port that cannot be opened, has no port chosen, or refuses a write. The text is the
// operator's, in the language of the moment, as UTF-8.
class PortError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
