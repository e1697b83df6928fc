#pragma once
// "ModbusMap.csv": the human-readable description of the panel's Modbus register map, written
// beside the panel image for the installer of the supervisor.
#include "OS/types.h"

class ZpConf;

// Writes the map of conf to path ("\n" line ends, ";" between fields). 0, or 1000 when the
// file cannot be created or any write fails.
int write_map(ZpConf& conf, const char* path);
