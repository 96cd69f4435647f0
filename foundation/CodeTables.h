// The code tables of the forms' choices (sexes CORVANE_ZD_XB, degrees
// CORVANE_ZD_XW, titles CORVANE_ZD_ZC): one NAME a row.
#pragma once

#include <string>
#include <vector>

#include "foundation/AdoConnection.h"

namespace codetables {

// The NAME of every row of the code table, in stored order; empty when the
// table cannot be read.
std::vector<std::string> Names(CAdoConnection& connection, const std::string& table);

}  // namespace codetables
