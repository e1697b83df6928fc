#include "plant/LoopNumbering.h"

#include "ZpData/Container/ZpConf.h"
#include "ZpData/Values/PanelModel.h"

int linesPerBoard()
{
    const u32 lines = CpuModel::get_lines_per_ll(PanelType::get_cpu_model(g_zpConf->get_panel_type()));
    return lines < 1 ? 1 : int(lines);
}

int lineOfLoop(int loopIndex)
{
    return lineOfLoop(loopIndex, linesPerBoard());
}

int boardOfLoop(int loopIndex)
{
    return boardOfLoop(loopIndex, linesPerBoard());
}

int loopOfLine(int board, int line)
{
    return loopOfLine(board, line, linesPerBoard());
}

int lineOfLoop(int loopIndex, int lines)
{
    return loopIndex < 1 ? 0 : (loopIndex - 1) % lines;
}

int boardOfLoop(int loopIndex, int lines)
{
    return loopIndex < 1 ? -1 : (loopIndex - 1) / lines;
}

int loopOfLine(int board, int line, int lines)
{
    return lines * board + line + 1;
}
