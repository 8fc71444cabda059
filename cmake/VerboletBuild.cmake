# Shared build settings: warnings, sanitizers, hardening, the generated version header, and a helper that
# makes a folder's library.

# Warnings for our own code only, so that Qt's and GoogleTest's headers are not judged by them.
add_library(verbolet_warnings INTERFACE)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  target_compile_options(verbolet_warnings INTERFACE -Wall -Wextra -Wpedantic)
endif()

if(VERBOLET_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
if(VERBOLET_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "VERBOLET_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  # All code is instrumented for coverage and checked by the sanitizers; only the fuzz targets
  # themselves link libFuzzer's main() (tests/fuzz).
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Hardening for release builds: Debian's usual build flags (stack protector, _FORTIFY_SOURCE, format
# checks, full RELRO with BIND_NOW), asked of dpkg-buildflags where it exists so that they follow
# the distribution, otherwise the same flags spelled out. The build type keeps choosing the
# optimisation and the debug information, and the build tree keeps its real source paths.
# Sanitizer and fuzz builds go without: _FORTIFY_SOURCE's checks only get in AddressSanitizer's way.
option(VERBOLET_HARDEN "Build release configurations with Debian's hardening flags" ON)
if(VERBOLET_HARDEN AND NOT VERBOLET_SANITIZE AND NOT VERBOLET_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  find_program(VERBOLET_DPKG_BUILDFLAGS dpkg-buildflags)
  mark_as_advanced(VERBOLET_DPKG_BUILDFLAGS)
  if(VERBOLET_DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${VERBOLET_DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
      separate_arguments(flags UNIX_COMMAND "${flags}")
      list(FILTER flags EXCLUDE REGEX "^-(O.*|g.*|f(file|debug|macro)-prefix-map=.*)$")
      set(verbolet_hardening_${kind} ${flags})
    endforeach()
  else()
    set(verbolet_hardening_CPPFLAGS -D_FORTIFY_SOURCE=2)
    set(verbolet_hardening_CXXFLAGS -fstack-protector-strong -Wformat -Werror=format-security)
    set(verbolet_hardening_LDFLAGS -Wl,-z,relro -Wl,-z,now)
  endif()
  foreach(flag IN LISTS verbolet_hardening_CPPFLAGS verbolet_hardening_CXXFLAGS)
    add_compile_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:${flag}>)
  endforeach()
  foreach(flag IN LISTS verbolet_hardening_LDFLAGS)
    add_link_options($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:${flag}>)
  endforeach()
  list(JOIN verbolet_hardening_CPPFLAGS " " cppflags)
  list(JOIN verbolet_hardening_CXXFLAGS " " cxxflags)
  list(JOIN verbolet_hardening_LDFLAGS " " ldflags)
  message(STATUS "Hardening of release builds: ${cppflags} ${cxxflags}; linking: ${ldflags}")
endif()

# verbolet_version.h: the project's version, the one place every program and the package take it from.
configure_file(${CMAKE_CURRENT_LIST_DIR}/verbolet_version.h.in ${CMAKE_BINARY_DIR}/generated/verbolet_version.h @ONLY)
add_library(verbolet_version INTERFACE)
target_include_directories(verbolet_version INTERFACE ${CMAKE_BINARY_DIR}/generated)

# verbolet_add_library(NAME SOURCES... [LINKS libraries...]): the static library of a folder,
# whose headers are included as "folder/name.h".
function(verbolet_add_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LINKS")
  qt_add_library(${name} STATIC ${arg_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${arg_LINKS} PRIVATE verbolet_warnings)
endfunction()

# verbolet_add_program(NAME SOURCES... [LINKS libraries...]): a program of the program folder.
function(verbolet_add_program name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LINKS")
  qt_add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LINKS} verbolet_warnings)
  add_dependencies(${name} verbolet_data)
  install(TARGETS ${name} RUNTIME DESTINATION ${VERBOLET_INSTALL_PROGRAM_DIR})
endfunction()
