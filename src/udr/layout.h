// Reading a declaration's message layouts from the server's metadata.
#pragma once

#include <firebird/Interface.h>

#include "udr/adapter.h"

namespace brindle::udr {

using Status = Firebird::CheckStatusWrapper;

// Reads the fields of one message into fields[0, max). False with why set when the message
// has more fields than max, or with the status's errors when the metadata failed.
bool read_message(Status* status, Firebird::IMessageMetadata* meta, Field* fields, unsigned max, unsigned& count,
                  unsigned& length, char* why, std::size_t cap) noexcept;

// Both messages of a function: its arguments and its one result.
bool read_layout(Status* status, const Firebird::IRoutineMetadata* routine, Layout& layout, char* why,
                 std::size_t cap) noexcept;

}  // namespace brindle::udr
