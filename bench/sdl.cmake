# The desktop backend: idle wake-ups of a program's message loop on a real X server (run the
# benchmark through tests/x11/with_x.sh): the demonstration window, and the program itself
# (its simulator build) when it is part of the build.
vr_add_bench(sdl_idle_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/sdl_idle_bench.cpp LIBS)
target_compile_definitions(sdl_idle_bench PRIVATE
  VR_PLATFORM_DEMO="$<TARGET_FILE:vr-platform-demo>")
add_dependencies(sdl_idle_bench vr-platform-demo)
if(TARGET vespane-rgb-sim)
  target_compile_definitions(sdl_idle_bench PRIVATE
    VR_SIMULATOR="$<TARGET_FILE:vespane-rgb-sim>")
  add_dependencies(sdl_idle_bench vespane-rgb-sim)
endif()
