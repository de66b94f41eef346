# One shared configuration target: every library and executable links it.
add_library(kv_config INTERFACE)
target_compile_features(kv_config INTERFACE cxx_std_20)
target_compile_options(kv_config INTERFACE -Wall -Wextra -Wpedantic -Wno-unused-parameter)
target_include_directories(kv_config INTERFACE ${PROJECT_SOURCE_DIR}/src)

# kv_add_library(name DIR sources... LINK libs...)
function(kv_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINK" ${ARGN})
  list(FILTER ARG_SOURCES INCLUDE REGEX "\\.cpp$|\\.h$")
  set(cpp ${ARG_SOURCES})
  list(FILTER cpp INCLUDE REGEX "\\.cpp$")
  if(cpp)
    add_library(${name} STATIC ${ARG_SOURCES})
    target_link_libraries(${name} PUBLIC kv_config ${ARG_LINK})
  else()
    # a folder whose code has not arrived yet
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE kv_config ${ARG_LINK})
  endif()
endfunction()

# kv_add_test(name SOURCES ... LINK ...): one QtTest executable, run offscreen.
function(kv_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINK" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE kv_config Qt6::Test kvtestsupport ${ARG_LINK})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;KVSHOP_SPLASH_MS=0"
    TIMEOUT 300)
endfunction()
