# Debian's hardening flags (those dpkg-buildflags gives with hardening=+all), so that the
# package is built the way the distribution builds its own.
#
# A configure without a build type makes a release build. Release builds, with or without debug
# information, are hardened by default (the package is made from either); a debug build or one
# with a sanitizer, whose checks the fortified calls would hide, takes -DMOUSECFG_HARDENING=ON. Full RELRO and immediate binding only change the
# link, so every build gets them.
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
    set(CMAKE_BUILD_TYPE Release CACHE STRING "Build type" FORCE)
endif()
set(_hardening_default OFF)
if(CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo)$" AND NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize"
   AND NOT MOUSECFG_BUILD_FUZZERS)
    set(_hardening_default ON)
endif()
option(MOUSECFG_HARDENING "Compile with Debian's hardening flags" ${_hardening_default})

add_link_options(-Wl,-z,relro -Wl,-z,now)
if(MOUSECFG_HARDENING)
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    add_compile_options(-fstack-protector-strong -fstack-clash-protection -Wformat
        -Werror=format-security)
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64|i.86")
        add_compile_options(-fcf-protection)
    endif()
    # Fortified functions need the optimiser.
    if(NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
        add_compile_definitions(_FORTIFY_SOURCE=2)
    endif()
endif()
