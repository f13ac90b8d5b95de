// The shared usage-error exit of the command-line modes.
#include "app/cli_commands.h"

#include <iostream>

namespace prismora {

int ReportUsageError(const std::string& message)
{
    std::cerr << "prismora: " << message << "\n";
    return 2;
}

} // namespace prismora
