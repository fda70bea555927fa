# Writes the release zip: run as cmake -DBIN=<folder of the built files>
# -DZIP=<zip to write> "-DFILES=<name;name;...>" -P package.cmake.
# Every file lies at the top of the zip, because the installer copies from
# its own folder. Nothing is written when a file is missing.
foreach(var BIN ZIP FILES)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "package.cmake needs -D${var}=...")
    endif()
endforeach()

set(missing "")
foreach(name IN LISTS FILES)
    if(NOT EXISTS "${BIN}/${name}")
        list(APPEND missing ${name})
    endif()
endforeach()
if(missing)
    list(JOIN missing ", " missing)
    message(FATAL_ERROR "Cannot make ${ZIP}: not built yet in ${BIN}: ${missing}")
endif()

get_filename_component(dir "${ZIP}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
file(REMOVE "${ZIP}.part")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${ZIP}.part" --format=zip -- ${FILES}
                WORKING_DIRECTORY "${BIN}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(REMOVE "${ZIP}.part")
    message(FATAL_ERROR "Cannot make ${ZIP}: the zip could not be written")
endif()
file(RENAME "${ZIP}.part" "${ZIP}")
message(STATUS "Wrote ${ZIP}")
