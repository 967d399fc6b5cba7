# The cross-load model: the sweep, its step on the engine driven by a list of readings, the map
# files, the maps folder and the export. The step's test shares e2e/SweepFrames.h, which reads a ui
# picture box.
velmor_add_test(sweep_tests
    sweep/SweepTest.cpp
    sweep/SweepRunStepTest.cpp
    sweep/MapFileTest.cpp
    sweep/MapsFolderTest.cpp
    sweep/MapExportTest.cpp
    ONE_PROCESS
    LIBS velmor_sweep velmor_ui)
