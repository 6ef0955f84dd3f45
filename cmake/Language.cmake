# Translation catalogs: po/<language>.po is compiled with msgfmt (Debian
# package gettext) into Language/<language>/language.mo beside the program,
# where the program's catalog loader looks for them.
set(LANGUAGE_STAGE_DIR ${TARNLY_STAGE_BIN}/Language)
file(MAKE_DIRECTORY ${LANGUAGE_STAGE_DIR})

file(GLOB LANGUAGE_PO_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/po/*.po)
set(LANGUAGE_CATALOGS)
if(LANGUAGE_PO_FILES)
  find_program(MSGFMT msgfmt REQUIRED)
endif()
foreach(po IN LISTS LANGUAGE_PO_FILES)
  get_filename_component(language ${po} NAME_WE)
  set(mo ${LANGUAGE_STAGE_DIR}/${language}/language.mo)
  add_custom_command(
    OUTPUT ${mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LANGUAGE_STAGE_DIR}/${language}
    COMMAND ${MSGFMT} --check -o ${mo} ${po}
    DEPENDS ${po}
    COMMENT "Compiling the ${language} catalog"
    VERBATIM)
  list(APPEND LANGUAGE_CATALOGS ${mo})
endforeach()
add_custom_target(language_catalogs ALL DEPENDS ${LANGUAGE_CATALOGS})

install(DIRECTORY ${LANGUAGE_STAGE_DIR} DESTINATION bin)
