function(lumentafel_register_test name)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LUMENTAFEL_BINARY=$<TARGET_FILE:lumentafel>"
        TIMEOUT 120)
endfunction()

# lumentafel_add_test(<name> <sources...>)
# One QtTest executable per class under test, run offscreen by CTest.
function(lumentafel_add_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE lumentafel_test_support lumentafel_ui lumentafel_core
                                          lumentafel_qttest)
    target_precompile_headers(${name} REUSE_FROM lumentafel_test_model)
    lumentafel_register_test(${name})
endfunction()

# lumentafel_add_core_test(<name> <sources...>)
# A test of a core class: it links lumentafel_core and the core's doubles only, so a widget
# the class under test needed would fail the build.
function(lumentafel_add_core_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE lumentafel_core_test_support lumentafel_core lumentafel_qttest)
    target_precompile_headers(${name} REUSE_FROM lumentafel_core_test_model)
    lumentafel_register_test(${name})
endfunction()
