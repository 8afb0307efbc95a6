# tavrin_add_test(NAME <name> SOURCES <files...> [LIBS <targets...>] [GUI] [TIMEOUT <s>]
#                 [FIXTURES <ctest fixtures...>])
#
# One QtTest executable per tested class, registered with CTest. Every test
# runs with its own XDG config and cache folders below the build tree, so a
# test never sees or changes the user's settings, cache or snapshots.
function(tavrin_add_test)
  cmake_parse_arguments(T "GUI" "NAME;TIMEOUT" "SOURCES;LIBS;FIXTURES" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE Qt5::Test ${T_LIBS})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${T_NAME} PRIVATE
    TAVRIN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TAVRIN_BINARY_DIR="${PROJECT_BINARY_DIR}"
    TAVRIN_SAMPLES_DIR="${PROJECT_BINARY_DIR}/test-samples")
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set(home ${PROJECT_BINARY_DIR}/test-home/${T_NAME})
  set(env
    "XDG_CONFIG_HOME=${home}/config"
    "XDG_CACHE_HOME=${home}/cache"
    "XDG_DATA_HOME=${home}/data"
    "TAVRIN_TEST_HOME=${home}")
  if(NOT T_GUI)
    list(APPEND env "QT_QPA_PLATFORM=offscreen")
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT})
  if(T_FIXTURES)
    set_tests_properties(${T_NAME} PROPERTIES FIXTURES_REQUIRED "${T_FIXTURES}")
  endif()
endfunction()
