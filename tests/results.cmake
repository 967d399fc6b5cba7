# The test records against real engines: SQLite files and PostgreSQL servers of each test's own
# (initdb and pg_ctl from Debian's postgresql package).
velmor_add_test(results_tests
    results/DeliveryTest.cpp
    results/SchemaTest.cpp
    results/PgServer.h
    results/RecordsTest.h
    LIBS velmor_results_cli)
