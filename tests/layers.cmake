# The layers of the source stay as README.md's table says: no include goes up a layer.
add_test(NAME layering
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
        -P ${PROJECT_SOURCE_DIR}/scripts/check-layers.cmake)
# velmor-results needs no display: it links no widget library, not even through another one.
add_test(NAME results_program_links_no_widgets
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:velmor-results>
        -P ${PROJECT_SOURCE_DIR}/scripts/check-no-widgets.cmake)
# Reply bytes become volts, and frames are put together, in device/ alone.
add_test(NAME protocol_in_device
    COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
        -P ${PROJECT_SOURCE_DIR}/scripts/check-protocol.cmake)
