# The main window on the headless backend with the emulated controller: start-up to the first
# fully painted frame, peak resident memory after start-up, a click on "Apply" to the report
# handed to the bus, a slider step and a hover watch tick.
vr_add_bench(mainwnd_bench
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/mainwnd_startup_bench.cpp
          ${CMAKE_CURRENT_LIST_DIR}/mainwnd_apply_bench.cpp
          ${CMAKE_CURRENT_LIST_DIR}/mainwnd_input_bench.cpp
  LIBS vr_headless_main_window vr_backend_headless benchmark::benchmark_main)
