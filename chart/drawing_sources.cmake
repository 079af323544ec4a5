# The drawing side of the chart: pixel layer, 3D drawing surface, widget and paint.
list(APPEND CHART_SOURCES
    ${CMAKE_CURRENT_SOURCE_DIR}/axispainter.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/cachedtextmeasurer.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/clipspans.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/pixelraster.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tchart.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tchartbrush.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tcustomaxispanel.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tcustomchart.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tcustomchartwall.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tcustompanelnocaption.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tcustomseries.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tcustomzelpanel.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tcustomzelpanelextended.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/textmaskcache.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tview3doptions.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tzelcanvas.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/tzelcanvas3d.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/wallspainter.cpp
)
