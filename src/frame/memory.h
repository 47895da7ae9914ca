// Working memory of a routine, held for the length of one call and given back before it ends.
//
// Routines take it here rather than from the C library directly, so that a test can hand in a
// source that refuses and reach what a routine does without memory. A routine that cannot do
// without the memory says so on its writer or its input blob (note_no_memory()), and the call
// ends as "no memory", never as SQL NULL.
#pragma once

#include <cstddef>
#include <cstdlib>

namespace brindle::frame {

struct MemorySource {
    void* (*take)(std::size_t bytes) noexcept;
    void* (*resize)(void* p, std::size_t bytes) noexcept;  // as std::realloc
};

// std::malloc and std::realloc; a test may point it elsewhere for the length of a test.
extern const MemorySource* memory_source;

inline void* take_memory(std::size_t bytes) noexcept { return memory_source->take(bytes); }
inline void* resize_memory(void* p, std::size_t bytes) noexcept { return memory_source->resize(p, bytes); }
inline void give_memory(void* p) noexcept { std::free(p); }

}  // namespace brindle::frame
