# The data side of the chart: value lists, series data, axes, layout
# mathematics and the zoom/pan logic.
list(APPEND CHART_SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/chartlayout.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/chartnavigator.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/savedaxesstate.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tchartaxes.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tchartaxis.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tchartaxistitle.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tchartdepthaxis.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tchartpen.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tchartseries.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tchartserieslist.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tchartvaluelist.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tcustomchartelement.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tcustomchartseries.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tzelfont.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tzelzoom.cpp
)
