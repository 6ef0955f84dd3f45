# Default theme: SVG sources under theme/ are rasterised with rsvg-convert
# (Debian package librsvg2-bin) and packed into Themes/default.zip; the
# hand-written face description is copied next to it.  The archive is
# byte-reproducible: entries are listed in sorted order and stamped with a
# fixed time.  A small packer of our own writes it, as the archive writer
# behind "cmake -E tar" also records each file's access and change times.

find_program(RSVG_CONVERT rsvg-convert REQUIRED)

set(THEME_SOURCE_DIR ${PROJECT_SOURCE_DIR}/theme)
set(THEME_PNG_DIR ${CMAKE_BINARY_DIR}/theme-png)
set(THEME_STAGE_DIR ${TARNLY_STAGE_DIR}/Themes)
set(THEME_ARCHIVE ${THEME_STAGE_DIR}/default.zip)
set(THEME_FACE ${THEME_STAGE_DIR}/face.xml)

add_executable(theme_pack ${PROJECT_SOURCE_DIR}/src/tools/theme_pack.cpp)
target_compile_definitions(theme_pack PRIVATE ${wxWidgets_DEFINITIONS})
target_include_directories(theme_pack SYSTEM PRIVATE ${wxWidgets_INCLUDE_DIRS})
target_compile_options(theme_pack PRIVATE ${wxWidgets_CXX_FLAGS})
target_link_libraries(theme_pack PRIVATE ${wxWidgets_LIBRARIES})

file(GLOB_RECURSE THEME_SVGS CONFIGURE_DEPENDS RELATIVE ${THEME_SOURCE_DIR} ${THEME_SOURCE_DIR}/*.svg)
list(SORT THEME_SVGS)

set(THEME_ENTRIES)
set(THEME_PNGS)
foreach(svg IN LISTS THEME_SVGS)
  string(REGEX REPLACE "\\.svg$" ".png" entry ${svg})
  get_filename_component(entry_dir ${THEME_PNG_DIR}/${entry} DIRECTORY)
  add_custom_command(
    OUTPUT ${THEME_PNG_DIR}/${entry}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${entry_dir}
    COMMAND ${RSVG_CONVERT} --format=png --output=${THEME_PNG_DIR}/${entry} ${THEME_SOURCE_DIR}/${svg}
    DEPENDS ${THEME_SOURCE_DIR}/${svg}
    COMMENT "Rasterising theme picture ${entry}"
    VERBATIM)
  list(APPEND THEME_ENTRIES ${entry})
  list(APPEND THEME_PNGS ${THEME_PNG_DIR}/${entry})
endforeach()

add_custom_command(
  OUTPUT ${THEME_ARCHIVE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${THEME_STAGE_DIR}
  COMMAND theme_pack ${THEME_ARCHIVE} ${THEME_PNG_DIR} ${THEME_ENTRIES}
  DEPENDS ${THEME_PNGS} theme_pack
  COMMENT "Packing Themes/default.zip"
  VERBATIM)

add_custom_command(
  OUTPUT ${THEME_FACE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${THEME_STAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${THEME_SOURCE_DIR}/face.xml ${THEME_FACE}
  DEPENDS ${THEME_SOURCE_DIR}/face.xml
  COMMENT "Staging Themes/face.xml"
  VERBATIM)

add_custom_target(theme_archive ALL DEPENDS ${THEME_ARCHIVE} ${THEME_FACE})

install(FILES ${THEME_ARCHIVE} ${THEME_FACE} DESTINATION Themes)

# Review tool: lays the theme out for a designer's eye (piece rectangles on
# the main window picture, every button state, a frame made of the pieces).
if(EXISTS ${PROJECT_SOURCE_DIR}/src/tools/theme_review.cpp)
  add_executable(theme_review EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/src/tools/theme_review.cpp)
  target_link_libraries(theme_review PRIVATE tarnly_gui tarnly_engine)
  add_dependencies(theme_review theme_archive)
endif()
