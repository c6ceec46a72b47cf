# Snapshot files come from outside: every byte of the reader and what follows it is fuzzed.
thermreport_add_fuzzer(fuzz_snapshot
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/SnapshotFuzzer.cpp
    LIBRARIES thermreport_snapshot)
