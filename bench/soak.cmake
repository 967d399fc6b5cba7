# The soak driver that bench/soak runs: the whole program against the simulated unit for a long
# while, with window hand-overs; reports memory and open descriptors at start and end.
if(TARGET velmor_sim)
    add_executable(velmor-soak SoakDriver.cpp)
    target_link_libraries(velmor-soak PRIVATE velmor_bench_support velmor_app velmor_sim)
endif()
