velmor_add_test(graph_tests
    graph/FormGrafTest.cpp
    graph/SaveMapTest.cpp
    graph/CrossLoadDataTest.cpp
    graph/HighDpiTest.cpp
    graph/IconsTest.cpp
    ONE_PROCESS
    LIBS velmor_graph)

# Not a test: makes the picture of a finished sweep in docs/ (see the file's first lines). Built
# when asked for: `cmake --build build --target graph_window_shot`.
add_executable(graph_window_shot EXCLUDE_FROM_ALL graph/GraphWindowShot.cpp)
target_link_libraries(graph_window_shot PRIVATE velmor_app)
