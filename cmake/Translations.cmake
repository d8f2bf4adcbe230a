# The window's translations. translations/vantrel_<language>.ts holds one
# language; lupdate keeps every file up to date with the texts that src/ui and
# src/app mark for translation (the target update_translations), and lrelease
# compiles each into vantrel_<language>.qm beside the program in the build
# tree, where it finds them, and into share/vantrel/translations when
# installed. Qt's translation tools (Debian: qt6-l10n-tools) sit beside its
# qtpaths.
get_target_property(vantrel_qtpaths Qt6::qtpaths LOCATION)
get_filename_component(vantrel_qt_bins "${vantrel_qtpaths}" DIRECTORY)
find_program(VANTREL_LUPDATE NAMES lupdate lupdate-qt6 HINTS ${vantrel_qt_bins} REQUIRED)
find_program(VANTREL_LRELEASE NAMES lrelease lrelease-qt6 HINTS ${vantrel_qt_bins} REQUIRED)

# The built-in names, written from the unit table for lupdate.
set(VANTREL_NAMES_SOURCE ${PROJECT_SOURCE_DIR}/translations/BuiltinNames.cpp)

# What lupdate reads, and how: without line numbers, so that a file changes
# only when a text does.
set(VANTREL_LUPDATE_ARGUMENTS -silent -locations none -no-obsolete -extensions cpp,h
    -I ${PROJECT_SOURCE_DIR}/src
    ${PROJECT_SOURCE_DIR}/src/ui ${PROJECT_SOURCE_DIR}/src/app ${VANTREL_NAMES_SOURCE})

# vantrel_add_translations(<file.ts>...): the languages, one file each.
function(vantrel_add_translations)
  get_target_property(program_dir vantrel BINARY_DIR)
  # For the tests, which load them and check their sources.
  set(VANTREL_TRANSLATIONS_DIR ${program_dir}/translations CACHE INTERNAL "")
  set(ts_files)
  set(qm_files)
  foreach(ts IN LISTS ARGN)
    get_filename_component(ts ${ts} ABSOLUTE)
    get_filename_component(name ${ts} NAME_WE)
    set(qm ${program_dir}/translations/${name}.qm)
    add_custom_command(OUTPUT ${qm}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${program_dir}/translations
                       COMMAND ${VANTREL_LRELEASE} -silent ${ts} -qm ${qm}
                       DEPENDS ${ts} VERBATIM)
    list(APPEND ts_files ${ts})
    list(APPEND qm_files ${qm})
  endforeach()
  set(VANTREL_TS_FILES ${ts_files} CACHE INTERNAL "")
  add_custom_target(vantrel_translations ALL DEPENDS ${qm_files})
  add_dependencies(vantrel vantrel_translations)
  install(FILES ${qm_files} DESTINATION ${CMAKE_INSTALL_DATADIR}/vantrel/translations)
  add_custom_target(update_translations
                    COMMAND vantrel_names_source ${VANTREL_NAMES_SOURCE}
                    COMMAND ${VANTREL_LUPDATE} ${VANTREL_LUPDATE_ARGUMENTS} -ts ${ts_files}
                    COMMENT "Updating the translations from the sources" VERBATIM)
endfunction()
