#pragma once
// The one rule that numbers a CPU's loops across its loop interface boards. The lines per board
// come from the CPU model of the global panel configuration's panel type and are asked again at
// every call, so a change of panel type is never missed.

// 1 or 2.
int linesPerBoard();
// Line within its board (0-based) of a 1-based loop number.
int lineOfLoop(int loopIndex);
// Board (0-based) of a 1-based loop number.
int boardOfLoop(int loopIndex);
// 1-based loop number of a line of a board (both 0-based).
int loopOfLine(int board, int line);

// The same with the lines per board given, for a caller that asks them once for many records
// while the panel type cannot change.
int lineOfLoop(int loopIndex, int lines);
int boardOfLoop(int loopIndex, int lines);
int loopOfLine(int board, int line, int lines);
