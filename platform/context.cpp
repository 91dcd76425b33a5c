#include "platform/context.hpp"

#include <cstdio>
#include <cstdlib>

#include "platform/gdi/drawing_state.hpp"

namespace platform {
namespace {

Context* current = nullptr;

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "platform: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

}  // namespace

Context::Context() : outer_(current) {
    current = this;
    gdi::Drawing();  // first, so that it ends last: the other parts may hold drawing objects
}

Context::~Context() {
    if (current != this) Fail("a platform::Context ended while a context made after it was alive");
    // Each part is destroyed while the parts made before it are still there. Its slot is cleared
    // only after its destructor, which may still reach the part itself.
    while (!parts_.empty()) {
        std::unique_ptr<Holder> last = std::move(parts_.back());
        parts_.pop_back();
        const std::size_t slot = last->slot;
        last.reset();
        slots_[slot] = nullptr;
    }
    current = outer_;
}

Context& Context::Current() {
    if (current == nullptr) Fail("a platform call was made while no platform::Context exists");
    return *current;
}

std::size_t Context::NextSlot() {
    static std::size_t next = 0;
    return next++;
}

}  // namespace platform
