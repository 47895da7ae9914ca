// Result blocks: the only place the module meets the server's allocator.
#include <ib_util.h>

#include "legacy/legacy.h"

namespace brindle::legacy {

void* allocate_block() noexcept { return ib_util_malloc(static_cast<long>(kBlockSize)); }

void* block_allocator(std::size_t bytes) noexcept { return bytes <= kBlockSize ? allocate_block() : nullptr; }

}  // namespace brindle::legacy
