#include "cabrillo/export_pass.h"

namespace cabrillo {

void BeginExportPass(const std::string&, const OleDateTime&, const OleDateTime&, int) {}

void FinishExportPass(int* exportDone) {
  if (exportDone != nullptr) *exportDone = -1;
}

}  // namespace cabrillo
