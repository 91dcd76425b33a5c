# The desktop backend: idle wake-ups of a program's message loop on a real X server (run the
# benchmark through tests/x11/with_x.sh): the demonstration window, and the program itself
# (its simulator build) when it is part of the build.
# Also the program's start-up to its first frame against a bare SDL2 window's, and its CPU while
# the pointer rests on a button beside that of the bare window waking every 200 ms and of a bare
# poll().
add_executable(bare_sdl_window ${CMAKE_CURRENT_LIST_DIR}/bare_sdl_window.cpp)
target_link_libraries(bare_sdl_window PRIVATE PkgConfig::SDL2 vr_warnings)
set_target_properties(bare_sdl_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
vr_add_bench(sdl_idle_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/sdl_idle_bench.cpp LIBS)
target_compile_definitions(sdl_idle_bench PRIVATE
  VR_PLATFORM_DEMO="$<TARGET_FILE:vr-platform-demo>"
  VR_BARE_SDL_WINDOW="$<TARGET_FILE:bare_sdl_window>")
add_dependencies(sdl_idle_bench vr-platform-demo bare_sdl_window)
if(TARGET vespane-rgb-sim)
  target_compile_definitions(sdl_idle_bench PRIVATE
    VR_SIMULATOR="$<TARGET_FILE:vespane-rgb-sim>")
  add_dependencies(sdl_idle_bench vespane-rgb-sim)
endif()

# Presents at the desktop's scale: the scaled copy alone (no display), and whole presents on X.
vr_add_bench(present_scale_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/present_scale_bench.cpp
  LIBS vr_backend_sdl_support benchmark::benchmark_main)
vr_add_bench(sdl_present_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/sdl_present_bench.cpp
  LIBS vr_backend_sdl vr_wnd vr_gdi)
