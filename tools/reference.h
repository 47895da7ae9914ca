// The function reference, written from the registry.
#pragma once

#include <ostream>

namespace brindle::catalog {

// docs/functions.md: every function by family, with its declarations, NULL behaviour and example.
void reference(std::ostream& o);

}  // namespace brindle::catalog
