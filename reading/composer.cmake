# The reading composer (lib reading): birth record + database + clock -> report.
add_library(reading STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ComposeDate.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ComposeFormat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ComposeLookup.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DecodeText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ReadingComposer.cpp
)
target_include_directories(reading PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(reading PUBLIC reading_db calendar platform)
karvuto_warnings(reading)

karvuto_gtest(composer_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tests/DecodeTextTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/ComposerDateTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/ComposerReadingTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/ComposerTestDb.cpp
  LIBS reading dbbuild_lib SQLite::SQLite3)

# The reading on the database the build ships.
set(KARVUTO_SHIPPED_DB ${CMAKE_BINARY_DIR}/bin/Karvuto.mdb)
karvuto_gtest(composer_shipped_db_test
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/tests/ComposerShippedDbTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tests/ComposerTestDb.cpp
  LIBS reading dbbuild_lib SQLite::SQLite3)
target_compile_definitions(composer_shipped_db_test PRIVATE KARVUTO_SHIPPED_DB="${KARVUTO_SHIPPED_DB}")
add_dependencies(composer_shipped_db_test karvuto_db)

if(KARVUTO_BENCHMARKS)
  add_executable(composer_benchmark ${CMAKE_CURRENT_LIST_DIR}/bench/ComposeBenchmark.cpp)
  target_link_libraries(composer_benchmark PRIVATE reading benchmark::benchmark)
  target_compile_definitions(composer_benchmark PRIVATE KARVUTO_SHIPPED_DB="${KARVUTO_SHIPPED_DB}")
  karvuto_warnings(composer_benchmark)
  add_dependencies(composer_benchmark karvuto_db)
endif()
