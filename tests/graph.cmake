velmor_add_test(graph_sweep_tests
    graph/DeviationTest.cpp
    graph/SweepTest.cpp
    graph/IconsTest.cpp
    LIBS velmor_graph)
