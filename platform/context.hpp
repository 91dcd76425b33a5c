// The platform's state for one run of a program, or for one test: what the drawing layer, the
// window layer and the backend keep between calls. A program makes it at the start of main(); the
// test main makes a fresh one for every test. Destroying it destroys every window, drawing object
// and cache it holds. A context made while another exists is current until it ends (contexts end
// in the reverse order of their making): a test harness may start afresh inside a test. A platform
// call made while no context exists ends the program with a message saying so.
//
//   int main() {
//       platform::Context context;
//       ...
//   }
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace platform {

class Context {
  public:
    Context();
    ~Context();
    Context(const Context&) = delete;
    Context& operator=(const Context&) = delete;

    static Context& Current();

    // A layer's own state (T default-constructible), made on first use. Parts are destroyed with
    // the context in the reverse order of their making, so a part that uses another one makes
    // it first, in its constructor.
    template <typename T>
    T& Part() {
        const std::size_t slot = SlotOf<T>();
        if (slot >= slots_.size()) slots_.resize(slot + 1, nullptr);
        if (slots_[slot] == nullptr) {
            void* made = Make<T>(slot);  // T's constructor may make other parts (and grow slots_)
            slots_[slot] = made;
        }
        return *static_cast<T*>(slots_[slot]);
    }

  private:
    struct Holder {
        explicit Holder(std::size_t s) : slot(s) {}
        Holder(const Holder&) = delete;
        Holder& operator=(const Holder&) = delete;
        virtual ~Holder() = default;
        std::size_t slot;
    };
    template <typename T>
    struct Held : Holder {
        explicit Held(std::size_t s) : Holder(s) {}
        T value;
    };

    static std::size_t NextSlot();
    template <typename T>
    static std::size_t SlotOf() {
        static const std::size_t slot = NextSlot();  // one number per part type, for the process
        return slot;
    }
    template <typename T>
    void* Make(std::size_t slot) {
        auto held = std::make_unique<Held<T>>(slot);
        T* value = &held->value;
        parts_.push_back(std::move(held));
        return value;
    }

    Context* outer_;                              // current again when this one ends
    std::vector<std::unique_ptr<Holder>> parts_;  // in the order made
    std::vector<void*> slots_;                    // by part type: the part, or null
};

}  // namespace platform
