#include "plugin/cabrillo_export.h"

#include <mutex>
#include <vector>

#include "cabrillo/cabrillo_log.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "plugin/module_state.h"
#include "plugin/settings.h"

namespace {

// The header's values live in the plug-in's settings file, read whole so that a long
// address or soapbox comes back as it was typed.
class IniHeaderSettings : public HeaderSettings {
 public:
  std::string Read(const char* key, const std::string& fallback) override {
    return platform::ReadProfileValue(g_IniSection, key, g_IniFile, 0, fallback);
  }
  void Write(const char* key, const std::string& value) override {
    platform::WriteProfileValue(g_IniSection, key, value, g_IniFile);
  }
};

// The log's mode for the plug-in's mode names.
const char* CabrilloMode(const std::string& mode) {
  if (mode == "CW") return "CW";
  if (mode == "SSB") return "PH";
  return "??";
}

}  // namespace

void RunCabrilloHeaderStep(const std::string& ownCall, const OleDateTime& contestTime,
                           const OleDateTime& contestTime2, int mode) {
  IniHeaderSettings settings;
  g_CabrilloLog.SetupHeader(ownCall, contestTime, contestTime2, mode, settings);
}

void RunCabrilloExportStep(int* exportDone) {
  if (g_CabrilloLog.HeaderConfirmed()) {
    int32_t score = 0;
    {
      std::lock_guard<std::mutex> lock(g_StateLock);
      score = g_ClaimedScore;
      // Each call writes the list as it stands, so a repeated call cannot double the log.
      g_CabrilloLog.ClearQsoLines();
      for (const CInfo& q : g_QsoList) {
        g_CabrilloLog.AddQsoLine(q.m_Call, static_cast<int32_t>(q.m_FreqKHz),
                                 CabrilloMode(q.m_Mode), q.m_Time, q.m_RstSent, q.m_ExchSent,
                                 q.m_RstRcvd, q.m_ExchRcvd);
      }
    }
    const CabrilloWriteOutcome outcome = g_CabrilloLog.WriteLog(score);
    platform::ShowOutputMessage(outcome.message, !outcome.checked);
  }
  if (exportDone != nullptr) *exportDone = -1;
}
