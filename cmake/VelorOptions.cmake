# Compile options shared by every target of the project (not by GoogleTest).
add_library(velor_options INTERFACE)
target_compile_options(velor_options INTERFACE -Wall -Wextra -Werror)

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
