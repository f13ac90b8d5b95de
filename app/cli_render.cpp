// --render: not available yet.
#include "app/cli_commands.h"

namespace prismora {

int RunRenderCommand(const std::vector<std::string>&) { return ReportUsageError("--render is not available yet"); }

} // namespace prismora
