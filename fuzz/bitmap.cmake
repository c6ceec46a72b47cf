# The .bmp reader: header checks, colour table and row bounds, and the conversion for drawing.
thermreport_add_fuzzer(fuzz_bitmap
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/BitmapFuzzer.cpp
    LIBRARIES thermreport_pictures)
