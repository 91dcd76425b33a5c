# The drawing layer: window repaints, a slider-sized blit, text.
vr_add_bench(gdi_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/gdi_bench.cpp LIBS vr_gdi)
