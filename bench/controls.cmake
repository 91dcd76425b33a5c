# The skinned controls: one slider repaint and one button repaint on the headless backend.
vr_add_bench(controls_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/controls_bench.cpp
  LIBS vr_controls vr_backend_headless)
