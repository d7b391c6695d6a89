# The layers of the program, each a library that links only what lies below it:
#   core (model, device) < platform < widgets < features (pages, buttons, macro) < app
# A library sees the headers of its own folders and, through what it links, those of the layers
# below: each gets an include folder of its own holding links to its source folders only, so an
# include of a higher layer's header (a widget from device/, say) fails to compile.
function(mousecfg_layer TARGET)
    set(dir ${CMAKE_BINARY_DIR}/layers/${TARGET})
    file(MAKE_DIRECTORY ${dir})
    foreach(folder IN LISTS ARGN)
        if(NOT IS_SYMLINK ${dir}/${folder})
            file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${dir}/${folder} SYMBOLIC)
        endif()
    endforeach()
    get_target_property(kind ${TARGET} TYPE)
    if(kind STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${TARGET} INTERFACE ${dir})
    else()
        target_include_directories(${TARGET} PUBLIC ${dir})
    endif()
endfunction()
