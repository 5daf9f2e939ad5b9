# Windows build: the core tests and the Win32 backend tests as Windows programs, run under Wine.
set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_CURRENT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Not our code: built as its authors ship it, without our warnings-as-errors.
set_target_properties(gtest gtest_main gmock gmock_main PROPERTIES COMPILE_OPTIONS "-w")
include(GoogleTest)

set(PATHNAB_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "The Wine prefix the tests run in")
set(wine_emulator bash ${CMAKE_CURRENT_SOURCE_DIR}/win32/wine.sh ${PATHNAB_WINEPREFIX})
# The first Wine program of a run starts the prefix's one wineserver; this ends it after the last.
add_test(NAME win.wineserver_stop COMMAND ${wine_emulator} --stop)
set_tests_properties(win.wineserver_stop PROPERTIES FIXTURES_CLEANUP wine)

set(subsystems app pathforms settings about)
set(core_tests)
set(win32_tests)
foreach(sub IN LISTS subsystems)
  file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/*.cpp)
  list(APPEND core_tests ${found})
  file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/win32/*.cpp)
  list(APPEND win32_tests ${found})
endforeach()

# The views' tests make real windows, which need a display.
set(win32_view_tests ${win32_tests})
list(FILTER win32_view_tests INCLUDE REGEX "_view_tests[.]cpp$")
list(FILTER win32_tests EXCLUDE REGEX "_view_tests[.]cpp$")

# A second argument runs the tests through that emulator instead of Wine alone.
function(pathnab_wine_tests target)
  set(emulator ${wine_emulator})
  if(ARGC GREATER 1)
    set(emulator ${ARGV1})
  endif()
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
  set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR "${emulator}")
  gtest_discover_tests(${target} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120 TEST_PREFIX "win." NO_PRETTY_VALUES
                       PROPERTIES FIXTURES_REQUIRED wine)
endfunction()

add_executable(core_tests ${core_tests})
target_link_libraries(core_tests PRIVATE pathnab_core gmock gtest_main)
pathnab_wine_tests(core_tests)

add_executable(win32_backend_tests ${win32_tests} ${PATHNAB_VERSION_RC}
               ${CMAKE_SOURCE_DIR}/src/app/cli/stream_message_box.cpp)
target_link_libraries(win32_backend_tests PRIVATE pathnab_win32 gmock gtest_main)
pathnab_wine_tests(win32_backend_tests)

add_executable(win32_view_tests ${win32_view_tests} ${PATHNAB_VERSION_RC})
target_link_libraries(win32_view_tests PRIVATE pathnab_win32 gmock gtest_main)
pathnab_wine_tests(win32_view_tests "bash;${CMAKE_CURRENT_SOURCE_DIR}/win32/with_display.sh;${wine_emulator}")

add_test(NAME core.platform_free
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/check_core_platform_free.sh ${CMAKE_SOURCE_DIR}/src)
target_compile_definitions(win32_backend_tests PRIVATE
  PATHNAB_EXPECTED_COMPANY="${PATHNAB_COMPANY}" PATHNAB_EXPECTED_PRODUCT="${PATHNAB_PRODUCT}"
  PATHNAB_EXPECTED_VERSION="${PROJECT_VERSION}")

add_test(NAME win.e2e.forms_exe
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/win32/forms_exe.sh ${PATHNAB_WINEPREFIX} ${CMAKE_BINARY_DIR}/bin
                 ${CMAKE_SOURCE_DIR})
set_tests_properties(win.e2e.forms_exe PROPERTIES FIXTURES_REQUIRED wine)

# The installer: the installed pathnab.exe behind the Explorer verb on Xvfb, then the probe in its place.
if(TARGET installer)
  add_executable(verb_probe win32/tools/verb_probe.cpp)
  target_link_libraries(verb_probe PRIVATE pathnab_win32)
  add_test(NAME win.e2e.installer
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/win32/installer.sh ${PATHNAB_WINEPREFIX} ${CMAKE_BINARY_DIR}
                   ${CMAKE_SOURCE_DIR})
  # It writes and removes the user's Pathnab settings in the prefix: tests that read them take the same
  # lock. Alone, as the window test: Wine's clipboard belongs to one display at a time.
  set_tests_properties(win.e2e.installer PROPERTIES RUN_SERIAL TRUE TIMEOUT 300 FIXTURES_REQUIRED wine
                       RESOURCE_LOCK wine_pathnab_settings)
  # The signing of the staged programs, the uninstaller and the installer; no Wine.
  add_test(NAME win.signing
           COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/win32/signing.sh ${CMAKE_SOURCE_DIR}
                   ${CMAKE_BINARY_DIR}/packaging/win32/staged ${PATHNAB_MAKENSIS} ${PROJECT_VERSION})
endif()

# The real pathnab.exe under Wine on Xvfb, with a small companion program of the test's own.
add_executable(wine_companion win32/wine_companion.cpp)
target_compile_definitions(wine_companion PRIVATE UNICODE _UNICODE)
target_link_libraries(wine_companion PRIVATE user32 shell32)
add_test(NAME win.e2e.window_exe
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/win32/window_exe.sh ${PATHNAB_WINEPREFIX} ${CMAKE_BINARY_DIR}/bin
                 ${CMAKE_SOURCE_DIR})
# It writes and removes the user's Pathnab settings in the prefix, as the installer test does.
set_tests_properties(win.e2e.window_exe PROPERTIES RUN_SERIAL TRUE TIMEOUT 300 FIXTURES_REQUIRED wine
                     RESOURCE_LOCK wine_pathnab_settings)

# The list's columns at the default size, at 96 and 144 DPI; it sets the prefix's DPI for its
# time, so it runs alone, as the window test does.
add_test(NAME win.e2e.list_columns
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/win32/list_columns.sh ${PATHNAB_WINEPREFIX} ${CMAKE_BINARY_DIR}/bin
                 ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/screenshots)
set_tests_properties(win.e2e.list_columns PROPERTIES RUN_SERIAL TRUE TIMEOUT 300 FIXTURES_REQUIRED wine
                     RESOURCE_LOCK wine_pathnab_settings)

# Both programs declare in their manifest that they take paths beyond MAX_PATH.
add_test(NAME win.manifests_long_paths
         COMMAND sh -c "for f; do grep -aq '<longPathAware[^>]*>true</longPathAware>' \"$f\" || { echo \"no longPathAware in $f\"; exit 1; }; done"
                 manifests $<TARGET_FILE:pathnab> $<TARGET_FILE:pathnab-forms>)
