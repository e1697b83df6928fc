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
    return loopIndex < 1 ? 0 : (loopIndex - 1) % linesPerBoard();
}

int boardOfLoop(int loopIndex)
{
    return loopIndex < 1 ? -1 : (loopIndex - 1) / linesPerBoard();
}

int loopOfLine(int board, int line)
{
    return linesPerBoard() * board + line + 1;
}
