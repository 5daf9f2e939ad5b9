# Windows backends: the only code besides the programs that includes Win32 headers.
enable_language(RC)
set(PATHNAB_DESCRIPTION "Pathnab: a file's path in every form")
set(PATHNAB_COPYRIGHT "Copyright (C) ${PATHNAB_COMPANY}")
# Every executable carries this resource: the program reads its version from itself; with it
# goes the manifest (common controls 6, DPI awareness, long paths).
set(PATHNAB_MANIFEST ${CMAKE_CURRENT_BINARY_DIR}/generated/pathnab.exe.manifest)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/app/win32/pathnab.exe.manifest.in ${PATHNAB_MANIFEST} @ONLY)
set(PATHNAB_VERSION_RC ${CMAKE_CURRENT_BINARY_DIR}/generated/version.rc CACHE INTERNAL "")
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/settings/win32/version.rc.in ${PATHNAB_VERSION_RC} @ONLY)
set_source_files_properties(${PATHNAB_VERSION_RC} PROPERTIES OBJECT_DEPENDS ${PATHNAB_MANIFEST})

# What every Windows leaf shares (text conversion, the Win32 headers, fonts), then each
# subsystem's own leaf.
file(GLOB win32_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/platform/win32/*.cpp)
foreach(sub IN LISTS PATHNAB_SUBSYSTEMS)
  file(GLOB found CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/win32/*.cpp)
  list(APPEND win32_sources ${found})
endforeach()
add_library(pathnab_win32 STATIC ${win32_sources})
target_include_directories(pathnab_win32 PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_compile_definitions(pathnab_win32 PUBLIC UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(pathnab_win32 PUBLIC pathnab_core mpr netapi32 version shell32 advapi32 comctl32 user32
                      gdi32)

# nlohmann/json is header-only: its one folder is taken from the build machine, nothing else.
set(host_headers ${CMAKE_CURRENT_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${host_headers})
file(CREATE_LINK /usr/include/nlohmann ${host_headers}/nlohmann SYMBOLIC)

file(GLOB cli_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/app/cli/*.cpp)
add_executable(pathnab-forms app/programs/pathnab_forms.cpp ${cli_sources} ${PATHNAB_VERSION_RC})
target_include_directories(pathnab-forms SYSTEM PRIVATE ${host_headers})
target_link_libraries(pathnab-forms PRIVATE pathnab_win32)

# pathnab.exe: the window. Its icon and picture are made from the About box's own images.
find_program(PATHNAB_CONVERT convert REQUIRED)
set(images ${CMAKE_CURRENT_SOURCE_DIR}/about/qt/images)
set(PATHNAB_ICO ${CMAKE_CURRENT_BINARY_DIR}/generated/pathnab.ico)
set(PATHNAB_BMP ${CMAKE_CURRENT_BINARY_DIR}/generated/picture.bmp)
add_custom_command(OUTPUT ${PATHNAB_ICO}
                   COMMAND ${PATHNAB_CONVERT} ${images}/icon-16.png ${images}/icon-32.png ${PATHNAB_ICO}
                   DEPENDS ${images}/icon-16.png ${images}/icon-32.png)
add_custom_command(OUTPUT ${PATHNAB_BMP}
                   COMMAND ${PATHNAB_CONVERT} ${images}/picture.png -type TrueColor BMP3:${PATHNAB_BMP}
                   DEPENDS ${images}/picture.png)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/app/win32/pathnab.rc.in
               ${CMAKE_CURRENT_BINARY_DIR}/generated/pathnab.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/generated/pathnab.rc PROPERTIES
                            OBJECT_DEPENDS "${PATHNAB_ICO};${PATHNAB_BMP}")
add_executable(pathnab WIN32 app/programs/pathnab_win32.cpp ${CMAKE_CURRENT_BINARY_DIR}/generated/pathnab.rc
               ${PATHNAB_VERSION_RC})
target_include_directories(pathnab PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(pathnab PRIVATE pathnab_win32 comctl32 user32 gdi32)
