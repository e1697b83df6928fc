#pragma once
// Simulation of the control-by-event engine for CPU 1 and loop-line board 1 of g_zpConf, fed by
// a script of timed commands (one key=value a line, at most 255 characters):
//
//   time=h:m[:s]  date=d.m.y  delay=<seconds>  comment=<text>  cmd=RESET  cmd=TIMESTAMP
//   C<c>L<l>S<s>=NORM|ALARM|PRE|FAULT   C<c>L<l>M<m>=ON|OFF|FAULT
//
// Lines under 4 characters and lines starting with "#" are skipped. What switches (module
// outputs, groups, exclusions, tones) goes to the result file and to a log kept in memory, which
// ends in "<resultPath>.err" when an error was logged, else in "<resultPath>.log".
// Every wait is measured on the engine's clock seam (CBE_SetClock), whose tick must advance
// while the simulation runs.

// 0, or 1 when the result file or the script cannot be opened.
int CBE_Simulate(const char* scriptPath, const char* resultPath);
