#pragma once
// "ModbusMap.csv": the human-readable description of the panel's Modbus register map, written
// beside the panel image for the installer of the supervisor.
#include "OS/types.h"

#include <string>

class SaveFile;
class ZpConf;

// Writes the map of conf to path ("\n" line ends, ";" between fields), replacing an earlier map
// only by a whole one. 0, or 1000 when the file cannot be created or any write fails; error, when
// given, gets the errno of the failure (0 on success).
int write_map(ZpConf& conf, const char* path, int* error = nullptr);
// The map into a whole-file write not yet written to, which the caller commits; 0, or 1000
// with out.error() the system's reason.
int write_map(ZpConf& conf, SaveFile& out);

// Why the compile's files were not written: the file that failed and the errno, and the file
// already replaced when the map's rename failed after the image's (the map then keeps its
// earlier contents), empty otherwise.
struct CompileFailure {
    std::string path;
    int error = 0;
    std::string replaced;
};
// The compile's files: the panel image at imagePath and, when mapPath is not null, the map at
// mapPath, replaced together or not at all but for a failed rename of the map after the image's.
// Writers of the same folders take turns. 0, or 1000 with failure filled in.
int write_compile_files(ZpConf& conf, const char* imagePath, const char* mapPath, CompileFailure* failure);
