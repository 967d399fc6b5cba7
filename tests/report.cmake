# The PDF reports, read back with pdftotext.
velmor_add_test(report_tests
    report/SweepReportTest.cpp
    report/SessionReportTest.cpp
    report/RunReportTest.cpp
    ONE_PROCESS
    LIBS velmor_graph)
