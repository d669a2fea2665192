# Where the benchmarks' library comes from, before the option that builds
# them is decided. Natively Google Benchmark is the system's package
# (libbenchmark-dev). The Windows builds compile it from its sources, which
# scripts/bench fetches as Debian's source package and passes in
# VELOR_BENCHMARK_SOURCE_DIR; without them the Windows builds have no
# benchmarks.
set(VELOR_BENCHMARK_SOURCE_DIR "" CACHE PATH "Google Benchmark sources for the Windows builds")

set(VELOR_BENCH_AVAILABLE OFF)
if(CMAKE_CROSSCOMPILING)
  if(VELOR_BENCHMARK_SOURCE_DIR AND EXISTS "${VELOR_BENCHMARK_SOURCE_DIR}/CMakeLists.txt")
    set(VELOR_BENCH_AVAILABLE ON)
  endif()
else()
  find_package(benchmark QUIET)
  if(benchmark_FOUND)
    set(VELOR_BENCH_AVAILABLE ON)
  endif()
endif()

# Figures taken under the sanitizers say nothing: the sanitized build has no
# benchmarks unless asked for.
if(VELOR_SANITIZE)
  set(VELOR_BENCH_AVAILABLE OFF)
endif()
