# Shared compile settings for the project's own targets.

# Warnings apply to our own targets only, never to Qt's or the system's headers.
function(karvuto_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wswitch-enum)
  if(KARVUTO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(KARVUTO_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "KARVUTO_FUZZ needs clang (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  # Every target is instrumented for coverage and checked by the sanitizers;
  # only the harnesses link libFuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
elseif(KARVUTO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Marks a target that uses Qt: moc runs on its sources. The project turns no
# code generator on by default (no qt_standard_project_setup), so the plain
# C++ targets are spared the scan; there are no .ui files, and resources are
# compiled by qt_add_resources, so AUTOUIC and AUTORCC stay off.
function(karvuto_qt target)
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
endfunction()

# Adds a GoogleTest executable as one CTest test of its own.
function(karvuto_gtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  karvuto_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "LANG=C.UTF-8")
endfunction()

# Adds a Qt Test executable, run offscreen with a private runtime directory.
function(karvuto_qtest name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test)
  karvuto_warnings(${name})
  karvuto_qt(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=1;LANG=C.UTF-8;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime;ASAN_OPTIONS=detect_leaks=0")
endfunction()

# Qt wants a private (0700) runtime directory; tests point XDG_RUNTIME_DIR here.
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/xdg-runtime)
file(CHMOD ${CMAKE_BINARY_DIR}/xdg-runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
