#include "platform/gdi/pixel_allocator.hpp"

#include <sys/mman.h>

#include <new>

namespace gdi {
namespace {

// From this size on the storage is mapped on its own (the heap would map it too, page by page).
constexpr std::size_t kMappedFrom = std::size_t{256} * 1024;

}  // namespace

void* AllocatePixelStorage(std::size_t bytes) {
    if (bytes < kMappedFrom) return ::operator new(bytes);
    void* storage = mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (storage == MAP_FAILED) throw std::bad_alloc();
    return storage;
}

void FreePixelStorage(void* storage, std::size_t bytes) {
    if (bytes < kMappedFrom) {
        ::operator delete(storage);
        return;
    }
    munmap(storage, bytes);
}

}  // namespace gdi
