# The PDF reports, read back with pdftotext.
velmor_add_test(report_tests
    report/SweepReportTest.cpp
    report/SessionReportTest.cpp
    report/RunReportTest.cpp
    LIBS velmor_graph)
