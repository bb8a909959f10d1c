#pragma once
// The oblast code the plug-in keeps with a logged QSO.
#include <string>
#include <string_view>

// ResolveOblast of `call`, upper-cased (ASCII) and stripped of leading and trailing white
// space, so the kept code compares cleanly whatever text the resolver returns.
std::string OblastOfCall(std::string_view call);
