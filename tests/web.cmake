# velmor-results serve: over HTTP, and in a real browser (headless Chromium).
velmor_add_test(web_tests
    web/WebViewTest.cpp
    web/WebBrowserTest.cpp
    web/WebHttpTest.cpp
    web/WebQualityTest.cpp
    web/QualityRuns.h
    web/PlanRuns.h
    web/WebServer.h
    web/HeadlessChromium.h
    LIBS velmor_results
    NEEDS postgres_template
    LONG WebBrowserTest.ChromiumShowsSummaryHistoryAndARun 24
         WebBrowserTest.ChromiumShowsListAndRecord 23
         WebQualityTest.ParetoYieldsMeasurementsAndRepeatabilityOnSqliteAndPostgres 17
         WebBrowserTest.ChromiumShowsFailuresByCauseAndCharts 15
         WebHttpTest.HugeStoredTextsAreRefusedByName 15
         WebHttpTest.AnswersAsClientsExpectAndNoClientHoldsTheView 14)
target_include_directories(web_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/results
    ${CMAKE_CURRENT_SOURCE_DIR}/web)
target_compile_definitions(web_tests PRIVATE ${velmor_pg_definitions})
add_dependencies(web_tests velmor-results)
