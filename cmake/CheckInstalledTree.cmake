# Installs the build into an empty prefix and checks the tree a user gets:
# the programs in bin/, the database and the desktop files under share/, and
# an installed program that finds its database there.
#   cmake -DBUILD_DIR=… -DPREFIX=… -DAPP_ID=… -P CheckInstalledTree.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                OUTPUT_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc})")
endif()

set(expected
  bin/karvuto bin/karvuto-cal bin/karvuto-read bin/karvuto-people
  share/karvuto/Karvuto.mdb
  share/applications/${APP_ID}.desktop
  share/metainfo/${APP_ID}.metainfo.xml
  share/doc/karvuto/copyright share/doc/karvuto/changelog.gz
  share/man/man1/karvuto.1.gz share/man/man1/karvuto-cal.1.gz share/man/man1/karvuto-read.1.gz
  share/man/man1/karvuto-people.1.gz)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
set(missing "")
foreach(file IN LISTS expected)
  if(NOT EXISTS ${PREFIX}/${file})
    list(APPEND missing ${file})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()
# The database belongs under share/, not beside the programs.
if(EXISTS ${PREFIX}/bin/Karvuto.mdb)
  message(FATAL_ERROR "the database was installed into bin/")
endif()

# Run from elsewhere, so that nothing but the executable's own location can
# lead it to the database.
execute_process(COMMAND ${PREFIX}/bin/karvuto-read --name 测试 --solar 1990-01-01 --hour 12
                WORKING_DIRECTORY ${PREFIX}/share
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "测试")
  message(FATAL_ERROR "the installed karvuto-read gave status ${rc}:\n${out}\n${err}")
endif()
execute_process(COMMAND ${PREFIX}/bin/karvuto --version OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^karvuto [0-9]")
  message(FATAL_ERROR "the installed karvuto --version gave status ${rc}: ${out}")
endif()

# The installed karvuto-people keeps a person in a store of its own.
execute_process(COMMAND ${PREFIX}/bin/karvuto-people --store ${PREFIX}/people.db add --name 测试 --sex male
                        --solar 1990-01-01
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "1\n")
  message(FATAL_ERROR "the installed karvuto-people add gave status ${rc}:\n${out}\n${err}")
endif()

# Without the database the tool says where it looked and fails.
file(REMOVE ${PREFIX}/share/karvuto/Karvuto.mdb)
execute_process(COMMAND ${PREFIX}/bin/karvuto-read --name 测试 --solar 1990-01-01 --hour 12
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 3 OR NOT err MATCHES "share/karvuto/Karvuto.mdb")
  message(FATAL_ERROR "without a database karvuto-read gave status ${rc}:\n${err}")
endif()
file(REMOVE_RECURSE ${PREFIX})
message(STATUS "the installed tree runs")
