# GoogleTest is built from the system's sources so that every target architecture
# (x86_64, i386, MinGW) gets a matching library.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
if(NOT EXISTS "${ZRT_GTEST_SOURCE}/CMakeLists.txt")
  message(FATAL_ERROR "GoogleTest sources not found at ${ZRT_GTEST_SOURCE} (Debian package googletest)")
endif()
add_subdirectory("${ZRT_GTEST_SOURCE}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
# The sources are a third party's; keep our warning flags off them.
target_compile_options(gtest PRIVATE -w)
target_compile_options(gtest_main PRIVATE -w)

# zrt_add_test(name SOURCES ... LIBS ...): one test executable, registered as one CTest test.
# Cross builds run it through CMAKE_CROSSCOMPILING_EMULATOR (Wine).
function(zrt_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} gtest gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "ZRT_TEST_BINARY_DIR=${CMAKE_BINARY_DIR};ZRT_CORPUS_DIR=${PROJECT_SOURCE_DIR}/../shared/corpus;ZRT_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()
