velmor_add_test(graph_sweep_tests
    graph/DeviationTest.cpp
    graph/SweepTest.cpp
    graph/MapFileTest.cpp
    graph/IconsTest.cpp
    LIBS velmor_graph)

velmor_add_test(graph_window_tests
    graph/FormGrafTest.cpp
    graph/SaveMapTest.cpp
    graph/GrafWindow.h
    LIBS velmor_graph)
