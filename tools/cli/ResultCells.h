#pragma once

#include "check/StringerCheck.h"
#include "files/CsvWriter.h"

namespace tarrowin::cli {

// What the window shows after 计算, as both tables write it: the bending
// stress, the shear stress, the deflection and the allowable deflection,
// then the three verdict words; empty where a fault stopped the run first.
void writeResultCells(CsvWriter& out, const StringerCheck& check);

// The three utilisation ratios, "-" where there is none.
void writeRatioCells(CsvWriter& out, const StringerCheck& check);

}  // namespace tarrowin::cli
