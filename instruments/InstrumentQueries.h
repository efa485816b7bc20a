#pragma once
// Questions about an instrument that depend on its model.

#include "core/CTD.h"

// 1 for the profiling models; the TDW 64plus and 64plus V2 only in profile mode.
int IsProfiler(const CCTD* ctd);
