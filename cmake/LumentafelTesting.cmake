# lumentafel_add_test(<name> <sources...>)
# One QtTest executable per class under test, run offscreen by CTest.
function(lumentafel_add_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE lumentafel_test_support lumentafel_ui lumentafel_core
                                          Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LUMENTAFEL_BINARY=$<TARGET_FILE:lumentafel>"
        TIMEOUT 120)
endfunction()
