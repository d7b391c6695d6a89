# Collects the .cpp and .h files of the given source folders (relative to the top folder) into VAR.
function(mousecfg_sources VAR)
    set(result)
    foreach(dir IN LISTS ARGN)
        file(GLOB found CONFIGURE_DEPENDS
            ${CMAKE_SOURCE_DIR}/${dir}/*.cpp
            ${CMAKE_SOURCE_DIR}/${dir}/*.h)
        list(APPEND result ${found})
    endforeach()
    set(${VAR} ${result} PARENT_SCOPE)
endfunction()

# A static library of the given sources, or an interface library while a folder is still empty,
# so that targets can link it either way.
function(mousecfg_library NAME)
    if(ARGN)
        add_library(${NAME} STATIC ${ARGN})
        set(${NAME}_KIND PUBLIC PARENT_SCOPE)
    else()
        add_library(${NAME} INTERFACE)
        set(${NAME}_KIND INTERFACE PARENT_SCOPE)
    endif()
endfunction()
