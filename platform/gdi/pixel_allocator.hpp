// Storage for pixels. A large picture (a window's surface, the skin) is mapped with its pages
// made present at once: touching fresh pages one at a time costs a page fault each, which is
// several times the cost of writing the picture. Small ones come from the ordinary heap.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gdi {

void* AllocatePixelStorage(std::size_t bytes);  // throws std::bad_alloc
void FreePixelStorage(void* storage, std::size_t bytes);

template <typename T>
struct PixelAllocator {
    using value_type = T;

    PixelAllocator() = default;
    template <typename U>
    explicit PixelAllocator(const PixelAllocator<U>& /*other*/) {}

    T* allocate(std::size_t count) {
        return static_cast<T*>(AllocatePixelStorage(count * sizeof(T)));
    }
    void deallocate(T* storage, std::size_t count) { FreePixelStorage(storage, count * sizeof(T)); }

    friend bool operator==(const PixelAllocator& /*a*/, const PixelAllocator& /*b*/) {
        return true;
    }
};

}  // namespace gdi

using PixelVector = std::vector<std::uint32_t, gdi::PixelAllocator<std::uint32_t>>;
