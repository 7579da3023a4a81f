# plexator_library(<name> DEPENDS <libs...>)
# One static library per subsystem, its sources globbed from its folder so that
# adding a file needs no edit here. Headers are included as "<subsystem>/<file>.h".
function(plexator_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    set(sources ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
endfunction()

# plexator_tests(<name> DEPENDS <libs...>)
# One test program per subsystem from every *_test.cpp in the folder.
function(plexator_tests name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  # A subfolder with a CMakeLists.txt of its own builds a test program of its
  # own (for instance tests that need libraries this one does not link).
  file(GLOB_RECURSE nested_lists CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  foreach(nested IN LISTS nested_lists)
    get_filename_component(nested_dir ${nested} DIRECTORY)
    set(kept)
    foreach(source IN LISTS sources)
      string(FIND "${source}" "${nested_dir}/" at)
      if(NOT at EQUAL 0)
        list(APPEND kept ${source})
      endif()
    endforeach()
    set(sources ${kept})
  endforeach()
  if(NOT sources)
    return()
  endif()
  # Every test program carries the sanitizer settings: suppressions for what
  # the system libraries keep until exit, and no guessing at thread-local blocks.
  add_executable(${name} ${sources} ${PROJECT_SOURCE_DIR}/tests/support/sanitizer_options.cpp)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    PLEXATOR_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    PLEXATOR_TEST_OUTPUT="${CMAKE_BINARY_DIR}/test-output")
  gtest_discover_tests(${name}
    NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    DISCOVERY_TIMEOUT 60)
endfunction()
