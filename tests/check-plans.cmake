# Every plan shipped in plans/ passes velmor-test --check-plan.
file(GLOB plans "${PLANS}/*.toml")
if(NOT plans)
    message(FATAL_ERROR "no plans in ${PLANS}")
endif()
foreach(plan IN LISTS plans)
    execute_process(COMMAND "${PROGRAM}" --check-plan "${plan}" --language en
        RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE told)
    if(NOT status EQUAL 0)
        message(SEND_ERROR "${plan}: ${told}")
    endif()
endforeach()
