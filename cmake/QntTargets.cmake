# Compile settings shared by every target of our own code.
#
# Extended is the x87 80-bit long double: every result depends on the order of the operations, so no
# contraction into fused multiply-adds and no fast-math. Warnings are errors in our code only.
function(qnt_set_target_defaults target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -ffp-contract=off -fno-fast-math)
endfunction()

# A library of one layer, with its namespaced alias (qnt::kit for qnt_kit).
function(qnt_add_library target alias)
  add_library(${target} ${ARGN})
  add_library(qnt::${alias} ALIAS ${target})
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:include/qnt>)
  qnt_set_target_defaults(${target})
endfunction()

# A GoogleTest executable of one layer's tests, registered with CTest test by test.
function(qnt_add_gtest target)
  add_executable(${target} ${ARGN})
  qnt_set_target_defaults(${target})
  target_link_libraries(${target} PRIVATE GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
