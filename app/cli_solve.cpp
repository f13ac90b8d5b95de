// --solve: not available yet.
#include "app/cli_commands.h"

namespace prismora {

int RunSolveCommand(const std::vector<std::string>&) { return ReportUsageError("--solve is not available yet"); }

} // namespace prismora
