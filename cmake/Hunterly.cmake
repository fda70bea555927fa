# Build helpers shared by every part of the tree.

function(hunterly_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# Test programs of a folder: every tests/*.cpp into one GoogleTest program,
# registered with CTest and run under wine in the build's prefix.
function(hunterly_tests name)
    file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp)
    if(NOT tests)
        return()
    endif()
    add_executable(${name}_tests ${tests})
    target_link_libraries(${name}_tests PRIVATE ${name} testsupport)
    target_include_directories(${name}_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/tests)
    hunterly_warnings(${name}_tests)
    add_test(NAME ${name} COMMAND ${name}_tests)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine)
endfunction()

# One of the system's shared libraries: every *.cpp of its folder, exported
# through its <NAME>_BUILD switch, named exactly <name>.dll.
function(hunterly_library name)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    add_library(${name} SHARED ${sources})
    string(TOUPPER ${name} upper)
    target_compile_definitions(${name} PRIVATE ${upper}_BUILD)
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARGN})
    set_target_properties(${name} PROPERTIES PREFIX "" IMPORT_PREFIX "")
    hunterly_warnings(${name})
    hunterly_tests(${name})
endfunction()

# Version information of a deliverable: a VERSIONINFO resource made from
# cmake/version.rc.in with the file's own name and the given description,
# e.g. hunterly_version(setup "Hunterly Setup").
function(hunterly_version target description)
    set(HUNTERLY_TARGET ${target})
    set(HUNTERLY_DESCRIPTION "${description}")
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/version.rc.in ${rc}.in @ONLY)
    # The file name and type are known only when the build is generated.
    file(GENERATE OUTPUT ${rc} INPUT ${rc}.in)
    set_source_files_properties(${rc} PROPERTIES GENERATED TRUE)
    target_sources(${target} PRIVATE ${rc})
endfunction()

# A test program that fills a disk gets a small disk of its own, mounted
# before it runs where the machine allows it, and its folder in the
# environment (HUNTERLY_SMALL_DISK); see cmake/small-disk.sh.
function(hunterly_small_disk test)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/small-disk)
    set(script ${PROJECT_SOURCE_DIR}/cmake/small-disk.sh)
    add_test(NAME ${test}_small_disk COMMAND sh ${script} mount ${folder})
    add_test(NAME ${test}_small_disk_end COMMAND sh ${script} unmount ${folder})
    set_tests_properties(${test}_small_disk PROPERTIES FIXTURES_SETUP ${test}_small_disk)
    set_tests_properties(${test}_small_disk_end PROPERTIES FIXTURES_CLEANUP ${test}_small_disk)
    set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED ${test}_small_disk)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT "HUNTERLY_SMALL_DISK=Z:${folder}")
endfunction()
