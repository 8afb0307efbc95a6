# tavrin_add_test(NAME <name> SOURCES <files...> [LIBS <targets...>] [GUI | DESKTOP]
#                 [TIMEOUT <s>] [FIXTURES <ctest fixtures...>])
#
# One QtTest executable per tested class, registered with CTest. Every test
# runs with its own home, XDG config and cache folders below the build tree,
# so a test never sees or changes the user's settings, cache or snapshots
# (the snapshots' default folder is in the pictures folder of the home).
# GUI tests share the bare virtual display the test command starts; DESKTOP
# tests run on a display of their own with a window manager
# (tests/desktop/run_on_desktop.sh), for real input as a user gives it.
function(tavrin_add_test)
  cmake_parse_arguments(T "GUI;DESKTOP" "NAME;TIMEOUT" "SOURCES;LIBS;FIXTURES" ${ARGN})
  if(T_DESKTOP)
    set(T_GUI TRUE)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE Qt5::Test ${T_LIBS})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${T_NAME} PRIVATE
    TAVRIN_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TAVRIN_BINARY_DIR="${PROJECT_BINARY_DIR}"
    TAVRIN_SAMPLES_DIR="${PROJECT_BINARY_DIR}/test-samples"
    TAVRIN_SHOTS_DIR="${PROJECT_BINARY_DIR}/desktop-shots")
  if(T_DESKTOP)
    add_test(NAME ${T_NAME}
      COMMAND bash ${PROJECT_SOURCE_DIR}/tests/desktop/run_on_desktop.sh $<TARGET_FILE:${T_NAME}>)
  else()
    add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  endif()
  set(home ${PROJECT_BINARY_DIR}/test-home/${T_NAME})
  set(env
    "HOME=${home}/home"
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
