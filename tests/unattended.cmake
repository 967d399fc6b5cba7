# The sweep from the command line, its plain parts; the whole program is in e2e/.
velmor_add_test(unattended_tests
    unattended/SweepRequestTest.cpp
    ONE_PROCESS
    LIBS velmor_unattended)
