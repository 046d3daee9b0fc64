# Printing, preview, splash screen and About box: target_sources(app_lib ...)
# and their tests. Included by app/CMakeLists.txt after app_lib is defined.
target_sources(app_lib PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AboutDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/AboutDlg.h
  ${CMAKE_CURRENT_LIST_DIR}/PrintJob.h
  ${CMAKE_CURRENT_LIST_DIR}/PrintLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PrintLayout.h
  ${CMAKE_CURRENT_LIST_DIR}/ReportViewPrint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SplashWnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SplashWnd.h
  ${CMAKE_CURRENT_LIST_DIR}/ViewPrintPreview.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ViewPrintPreview.h
  ${CMAKE_CURRENT_LIST_DIR}/WzdBitmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WzdBitmap.h
)
target_include_directories(app_lib PUBLIC ${CMAKE_CURRENT_LIST_DIR})

karvuto_qtest(print_page_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/tst_PrintPage.cpp
  LIBS app_lib)
karvuto_qtest(print_preview_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/tst_PrintPreview.cpp
  LIBS app_lib)
karvuto_qtest(splash_about_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/tst_SplashAbout.cpp
  LIBS app_lib)
qt_add_resources(splash_about_tests print_test_bitmaps
  PREFIX /bitmaps
  BASE ${CMAKE_CURRENT_LIST_DIR}/tests/bitmaps
  FILES ${CMAKE_CURRENT_LIST_DIR}/tests/bitmaps/9001.bmp ${CMAKE_CURRENT_LIST_DIR}/tests/bitmaps/9002.bmp)

# Writes the printed page as PDF and pictures of the preview, About box and
# splash for the documentation; built on request only.
add_executable(karvuto-print-shots EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/tools/PrintShots.cpp)
target_link_libraries(karvuto-print-shots PRIVATE app_lib)
karvuto_warnings(karvuto-print-shots)
