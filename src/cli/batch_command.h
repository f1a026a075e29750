#pragma once

// `velmora-cli batch`: the answers for every joint of a joint list.

namespace velmora::cli {

class CommandLine;

void setUpBatch(CommandLine& line);
int batch(const CommandLine& line);

} // namespace velmora::cli
