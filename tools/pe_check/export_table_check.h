#pragma once
// What the host needs of Stats.dll's PE tables: the twenty export names with their ordinals,
// each decorated/plain pair reaching one function, and imports of Windows system DLLs only
// (no MinGW runtime DLL that a contester's machine would lack).
#include <string>
#include <vector>

#include "tools/pe_check/pe_image.h"

// Each returns one line per problem found; empty means the table is right.
std::vector<std::string> CheckStatsExports(const PeImage& image);
std::vector<std::string> CheckSystemImports(const PeImage& image);
