# The fuzz targets, one line each: name, its source in this folder, the libraries whose code it
# drives (instrumented in the fuzz build), further sources compiled into it, and its longest
# input in bytes. Read by the fuzz build (fuzz/CMakeLists.txt) and by the replay tests of the
# normal build (tests/fuzz/CMakeLists.txt); each defines ov_fuzz_target.
set(OV_QTCSV ${PROJECT_SOURCE_DIR}/src/io/QtCSV)
ov_fuzz_target(import_bin  fuzz_import_bin.cpp  LIBS zpdata Qt5::Core     MAX_LEN 2048)
ov_fuzz_target(blocks      fuzz_blocks.cpp      LIBS zpdata Qt5::Core     MAX_LEN 32768)
ov_fuzz_target(csv         fuzz_csv.cpp         LIBS core Qt5::Core       MAX_LEN 4096
               SOURCES ${OV_QTCSV}/Reader.cpp ${OV_QTCSV}/Writer.cpp ${OV_QTCSV}/ContentIterator.cpp
                       ${OV_QTCSV}/StringData.cpp)
ov_fuzz_target(cbe_compile fuzz_cbe_compile.cpp LIBS cbe zpdata Qt5::Core MAX_LEN 512)
ov_fuzz_target(cbe_decode  fuzz_cbe_decode.cpp  LIBS cbe zpdata Qt5::Core MAX_LEN 64)
ov_fuzz_target(cbe_parse   fuzz_cbe_parse.cpp   LIBS cbetext cbe zpdata Qt5::Core MAX_LEN 512)
ov_fuzz_target(plant_file  fuzz_plant_file.cpp  LIBS plant zpdata Qt5::Core MAX_LEN 65536)
ov_fuzz_target(legacy_reader fuzz_legacy_reader.cpp LIBS io plant zpdata Qt5::Core MAX_LEN 8192)
