# Project-wide build helpers: warnings, sanitizers, test registration.

if(VKR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(VKR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "VKR_FUZZ needs clang (configure with CXX=clang++ CC=clang)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# Our own code compiles without warnings.
function(vkr_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# vkr_library(name [WIDGETS] SOURCES ... LIBS ...): a static library of ours.
function(vkr_library name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${A_LIBS})
  vkr_warnings(${name})
endfunction()

set(VKR_TEST_ENV_FILE ${PROJECT_SOURCE_DIR}/tests/support/lsan.supp)

# vkr_gtest(name [GUI] SOURCES ... LIBS ... [TIMEOUT s]): a GoogleTest executable registered
# with CTest. GUI tests get a QApplication (offscreen) from tests/support/gui_main.cpp.
function(vkr_gtest name)
  cmake_parse_arguments(A "GUI" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  if(A_GUI)
    target_link_libraries(${name} PRIVATE vkr_test_support_gui GTest::gtest Qt6::Widgets ${A_LIBS})
  else()
    target_link_libraries(${name} PRIVATE vkr_test_support GTest::gtest ${A_LIBS})
  endif()
  vkr_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 300)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${A_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VKR_SOURCE_DIR=${PROJECT_SOURCE_DIR};VKR_BINARY_DIR=${CMAKE_BINARY_DIR};LSAN_OPTIONS=suppressions=${VKR_TEST_ENV_FILE}:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endfunction()
