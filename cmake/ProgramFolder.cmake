# The program finds its INI file, language files and pictures in its own
# folder, so the build mirrors data/ into the output folder beside every
# executable. Targets that run from there depend on `program_folder`.
file(GLOB_RECURSE TALVO_DATA_FILES CONFIGURE_DEPENDS
     RELATIVE ${CMAKE_SOURCE_DIR}/data ${CMAKE_SOURCE_DIR}/data/*)

set(_talvo_data_outputs)
foreach(_file IN LISTS TALVO_DATA_FILES)
    add_custom_command(
        OUTPUT ${TALVO_BIN_DIR}/${_file}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different
                ${CMAKE_SOURCE_DIR}/data/${_file} ${TALVO_BIN_DIR}/${_file}
        DEPENDS ${CMAKE_SOURCE_DIR}/data/${_file}
        VERBATIM)
    list(APPEND _talvo_data_outputs ${TALVO_BIN_DIR}/${_file})
endforeach()
add_custom_target(program_folder ALL DEPENDS ${_talvo_data_outputs})
