# corvane_add_test(<name> SOURCES <files...> LIBS <targets...>)
# One GoogleTest executable per suite, run by CTest. Widgets run offscreen and
# never need a display.
function(corvane_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;CORVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR};CORVANE_CHECK_OFFICE_PARTS=1"
    TIMEOUT 300)
endfunction()

# corvane_add_platform_area(<area> SOURCES <files...> [LIBS <libs...>])
# Each platform area is its own shared library (libplatform_<area>.so) in the
# program folder; the interface target `platform` carries them all.
function(corvane_add_platform_area area)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_SOURCES)
    return()  # an area whose code is not written yet
  endif()
  add_library(platform_${area} SHARED ${ARG_SOURCES})
  target_include_directories(platform_${area} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(platform_${area} PUBLIC ${ARG_LIBS})
  target_link_libraries(platform INTERFACE platform_${area})
endfunction()

# corvane_add_tests_in(<prefix> <dir> LIBS <targets...>)
# One test executable per <dir>/*Test.cpp, named <prefix>_<file>, so a suite
# that does not compile never keeps the others from running.
function(corvane_add_tests_in prefix dir)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB test_files CONFIGURE_DEPENDS ${dir}/*Test.cpp)
  foreach(f ${test_files})
    get_filename_component(stem ${f} NAME_WE)
    corvane_add_test(${prefix}_${stem} SOURCES ${f} LIBS ${ARG_LIBS})
  endforeach()
endfunction()

# corvane_add_deliverable(<library> <test-prefix>)
# A deliverable shared library from the *.cpp of the calling folder, with its
# own private copy of the foundation (its symbols are not exported, so no
# object of a foundation class crosses a library boundary), and its tests,
# which prepare and inspect the databases with their own foundation copy.
function(corvane_add_deliverable library prefix)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${library} SHARED ${sources})
  target_include_directories(${library} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${library} PUBLIC platform PRIVATE foundation)
  target_link_options(${library} PRIVATE "LINKER:--exclude-libs,ALL")
  corvane_add_tests_in(${prefix} ${CMAKE_CURRENT_SOURCE_DIR}/tests LIBS ${library} foundation testsupport)
endfunction()

# corvane_add_deliverable_part(<library> <test-prefix>)
# Adds the *.cpp of the calling folder to a deliverable defined elsewhere.
function(corvane_add_deliverable_part library prefix)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    target_sources(${library} PRIVATE ${sources})
  endif()
  corvane_add_tests_in(${prefix} ${CMAKE_CURRENT_SOURCE_DIR}/tests LIBS ${library} foundation testsupport)
endfunction()
