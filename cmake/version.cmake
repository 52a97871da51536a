# The program's version is the project version in CMakeLists.txt and nothing else. The files
# written here carry it to the version block and the manifest (version/version.h and
# version/tarvane.manifest, on the resource include path) and to the release packages' names
# (version/version.txt, read by scripts/package.sh).

if(PROJECT_VERSION_PATCH STREQUAL "" OR NOT PROJECT_VERSION_TWEAK STREQUAL "")
    message(FATAL_ERROR "The project version must be major.minor.patch, not ${PROJECT_VERSION}")
endif()

# Users read the version as major.minor with the minor in two digits, so 1.1.0 is "1.01"; a patch
# level, when there is one, follows after another point.
set(minorText ${PROJECT_VERSION_MINOR})
if(PROJECT_VERSION_MINOR LESS 10)
    set(minorText 0${minorText})
endif()
set(TARVANE_VERSION_TEXT ${PROJECT_VERSION_MAJOR}.${minorText})
if(PROJECT_VERSION_PATCH GREATER 0)
    string(APPEND TARVANE_VERSION_TEXT .${PROJECT_VERSION_PATCH})
endif()
# The manifest's assembly identity wants all four numbers.
set(TARVANE_VERSION_DOTTED ${PROJECT_VERSION}.0)

set(TARVANE_VERSION_DIR ${CMAKE_BINARY_DIR}/version)
configure_file(${PROJECT_SOURCE_DIR}/resources/version.h.in ${TARVANE_VERSION_DIR}/version.h @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/resources/tarvane.manifest.in
               ${TARVANE_VERSION_DIR}/tarvane.manifest @ONLY)
file(CONFIGURE OUTPUT ${TARVANE_VERSION_DIR}/version.txt CONTENT "${TARVANE_VERSION_TEXT}\n")
