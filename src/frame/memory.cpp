#include "frame/memory.h"

namespace brindle::frame {

namespace {
void* c_take(std::size_t bytes) noexcept { return std::malloc(bytes); }
void* c_resize(void* p, std::size_t bytes) noexcept { return std::realloc(p, bytes); }
constexpr MemorySource kC{&c_take, &c_resize};
}  // namespace

const MemorySource* memory_source = &kC;

}  // namespace brindle::frame
