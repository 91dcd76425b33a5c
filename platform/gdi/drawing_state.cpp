#include "platform/gdi/drawing_state.hpp"

#include "platform/context.hpp"
#include "platform/gdi/text.hpp"

namespace gdi {

DrawingState& Drawing() {
    return platform::Context::Current().Part<DrawingState>();
}

}  // namespace gdi
