# Compile options shared by every target of the project (not by GoogleTest).
add_library(velor_options INTERFACE)
target_compile_options(velor_options INTERFACE -Wall -Wextra -Werror)

# Release builds (the module and the tool as shipped, and the benchmarks) are
# optimised across files: the decoding of one line passes through several
# small files (the line, its values, its numbers, the strings they land in),
# and the calls between them would cost as much as the reading of a short
# value. Debug and sanitizer builds are left as they are. Not on the Windows
# builds: mingw-w64's linker takes the thunks of the component templates,
# which every object file that uses them holds once, for definitions made
# twice when they come from link-time objects.
include(CheckIPOSupported)
check_ipo_supported(RESULT VELOR_IPO_SUPPORTED LANGUAGES C CXX)
if(VELOR_IPO_SUPPORTED AND NOT WIN32)
  set(CMAKE_INTERPROCEDURAL_OPTIMIZATION_RELEASE ON)
endif()

if(WIN32)
  # The Windows API in its ANSI form, without the rarely used parts.
  target_compile_definitions(velor_options INTERFACE
    WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)
endif()

if(VELOR_SANITIZE)
  # Applied to everything built here, GoogleTest included, so that the
  # sanitizer runtime sees one consistent program.
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
