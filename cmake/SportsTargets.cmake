# One static library per source folder; every .cpp/.h in the folder belongs to it,
# so adding a screen never needs a CMake edit.
function(sports_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  else()
    # A subsystem without screens yet still takes part in the dependency chain.
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# Every tests/<folder>/tst_<name>.cpp becomes one QtTest executable registered with CTest.
function(sports_tests folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/tst_*.cpp)
  foreach(t ${tests})
    get_filename_component(n ${t} NAME_WE)
    add_executable(${n} ${t})
    target_link_libraries(${n} PRIVATE testsupport ${ARG_DEPS})
    add_test(NAME ${folder}/${n} COMMAND ${n})
    set_tests_properties(${folder}/${n} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SPORTS_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
      TIMEOUT 300)
  endforeach()
endfunction()
