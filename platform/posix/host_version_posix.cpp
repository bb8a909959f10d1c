// Natively there is no Windows logging program beside the plug-in to take a version from.
#include "platform/host_version.h"

namespace platform {

std::optional<std::string> HostVersionText() { return std::nullopt; }

}  // namespace platform
