quarvel_add_test(test_chartvaluelist
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/test_chartvaluelist.cpp
    LIBS quarvel_chart)
quarvel_add_test(test_chartseries
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/test_chartseries.cpp
    LIBS quarvel_chart)
quarvel_add_test(test_chartaxis
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/test_chartaxis.cpp
    LIBS quarvel_chart)
quarvel_add_test(test_chartlayout
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/test_chartlayout.cpp
    LIBS quarvel_chart)
quarvel_add_test(test_chartnavigator
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/test_chartnavigator.cpp
    LIBS quarvel_chart)
quarvel_add_test(test_tracerchart
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/test_tracerchart.cpp
    LIBS quarvel_chart)
