#pragma once
// "ModbusMap.csv": the human-readable description of the panel's Modbus register map, written
// beside the panel image for the installer of the supervisor.
#include "OS/types.h"

class ZpConf;

// Writes the map of conf to path ("\n" line ends, ";" between fields), replacing an earlier map
// only by a whole one. 0, or 1000 when the file cannot be created or any write fails; error, when
// given, gets the errno of the failure (0 on success).
int write_map(ZpConf& conf, const char* path, int* error = nullptr);
