# The window layer: hit testing over shaped children, a message round trip, a full paint pass.
vr_add_bench(wnd_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/wnd_bench.cpp
  LIBS vr_wnd vr_backend_headless)
