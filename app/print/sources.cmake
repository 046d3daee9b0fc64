# Printing, preview, splash screen and About box: target_sources(app_lib ...)
# and their tests. Included by app/CMakeLists.txt after app_lib is defined.
