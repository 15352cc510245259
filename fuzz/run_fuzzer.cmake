# Runs one fuzzer: first over every kept regression input, then for a few
# seconds of exploration starting from the seeds.
if(NOT SECONDS)
  set(SECONDS 20)
endif()
file(MAKE_DIRECTORY ${WORK})
file(GLOB regressions ${REGRESSIONS}/*)
if(regressions)
  execute_process(COMMAND ${FUZZER} ${regressions} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "a kept regression input fails again")
  endif()
endif()
execute_process(COMMAND ${FUZZER} -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=1024
                        -artifact_prefix=${WORK}/
                        -print_final_stats=1 ${WORK} ${SEEDS}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the fuzzer found a fault: keep its input in ${REGRESSIONS}")
endif()
