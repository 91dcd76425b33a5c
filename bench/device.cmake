vr_add_bench(device_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/device_bench.cpp
  LIBS vr_device vr_hid_emulated)
