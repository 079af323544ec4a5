quarvel_add_test(test_pixelraster
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/test_pixelraster.cpp
    LIBS quarvel_chart)
quarvel_add_test(test_tzelcanvas3d
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/test_tzelcanvas3d.cpp
    LIBS quarvel_chart)
quarvel_add_test(test_chartpaint
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/tests/test_chartpaint.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/tests/chartfixture.h
    LIBS quarvel_chart)
