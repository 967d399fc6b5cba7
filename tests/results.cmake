# The test records against real engines: SQLite files and PostgreSQL servers of each test's own
# (initdb and pg_ctl from Debian's postgresql package); the bench with recording on, against the
# simulated unit.
velmor_add_test(results_tests
    results/DeliveryTest.cpp
    results/JournalTest.cpp
    results/SchemaTest.cpp
    results/ResultsCliTest.cpp
    results/ResultsEnginesTest.cpp
    results/HostileStoreTest.cpp
    results/RecordingTest.cpp
    results/StoreAddressTest.cpp
    results/PostgresRowsTest.cpp
    results/StoredTimeTest.cpp
    results/RunRecordTest.cpp
    results/BenchRecordTest.cpp
    results/PgServer.h
    results/RecordsTest.h
    LIBS velmor_results_cli velmor_app velmor_sim
    NEEDS postgres_template
    LONG ResultsEnginesTest.everyRecordCommandAnswersAlikeOverSqliteAndPostgresql 150
         ResultsEnginesTest.everyReportIsAlikeOverSqliteAndPostgresql 110
         ResultsEnginesTest.everyListAnswersAlikeOverSqliteAndPostgresql 100
         RunRecordTest.aLongRunKeepsAnEnvelopeWithItsSingleDipAndSpike 48
         ResultsEnginesTest.anOpenRecordKeepsItsCountOfRowsEachStoredOnce 45
         ResultsEnginesTest.aFailedQueryIsAnErrorNeverAShorterList 45
         DeliveryTest.frozenServerHoldsTheEndABoundedTimeAndTheRecordsWait 25
         DeliveryTest.readOnlyDatabaseLeavesTheBenchGoingTellsOnceAndDeliversLater 24
         DeliveryTest.serverStoppedMidSweepGetsEveryCellOnceInOrderWhenBack 24
         DeliveryTest.twoBenchesWriteToOneServerAtOnce 21
         HostileStoreTest.valuesTheBenchCannotWriteAreRefusedByNameNeverDrawn 16
         ResultsCliTest.helpFitsAScreenAndAWrongCommandLineGetsIt 16
         ResultsCliTest.reportsASweepAndASessionAsPdf 14
         HostileStoreTest.storedTextsArePrintedEscapedAndNamesAreNoWildcardsOrPaths 13
         ResultsCliTest.theProgramAloneAnswersEveryCommand 12
         ResultsCliTest.reportsAndMessagesComeInRussianWhenChosen 11
         RunRecordTest.velmorResultsShowsListsAndExportsARun 11)
target_include_directories(results_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/e2e)
# The cases' PostgreSQL clusters are copies of one made once for the tree (results/PgServer.h);
# the web suite's too.
set(velmor_pg_template ${CMAKE_CURRENT_BINARY_DIR}/postgres-template)
set(velmor_pg_template_script ${CMAKE_CURRENT_SOURCE_DIR}/results/postgres-template.cmake)
add_test(NAME postgres_template COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${velmor_pg_template}
    -P ${velmor_pg_template_script})
set_tests_properties(postgres_template PROPERTIES FIXTURES_SETUP postgres_template)
set(velmor_pg_definitions VELMOR_PG_TEMPLATE="${velmor_pg_template}"
    VELMOR_PG_TEMPLATE_SCRIPT="${velmor_pg_template_script}" VELMOR_CMAKE="${CMAKE_COMMAND}")
target_compile_definitions(results_tests PRIVATE ${velmor_pg_definitions})
add_dependencies(results_tests velmor-results velmor-test)
