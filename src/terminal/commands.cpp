// PLACEHOLDER: replaced by the terminal command implementation.
#include "terminal/commands.h"
namespace quorlak {
void TerminalCommands::run(const Record&) {}
}  // namespace quorlak
