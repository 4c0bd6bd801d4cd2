# Version information and the application manifest, one template each for
# both programs, so they always carry the same version.
set(PROGRAM_VERSION_NUMBERS 1,7,0,0)
set(PROGRAM_FILE_VERSION 1.7.0.0)
set(PROGRAM_PRODUCT_VERSION 1.07)
set(program_templates ${CMAKE_CURRENT_LIST_DIR})

# Adds the resources to the program target; the description is what Explorer
# and the task manager show as the program's name.
function(add_program_resources target description)
    set(PROGRAM_NAME ${target})
    set(PROGRAM_DESCRIPTION ${description})
    set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
    set(PROGRAM_MANIFEST ${manifest})
    configure_file(${program_templates}/Program.manifest.in ${manifest} @ONLY)
    configure_file(${program_templates}/ProgramVersion.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}Version.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}Version.rc)
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}Version.rc PROPERTIES OBJECT_DEPENDS ${manifest})
endfunction()
