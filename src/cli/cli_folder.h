#pragma once
// The working folder of sillabor-cli: the one named with --cartella, else the
// same choice as the window's (see base/working_folder.h).

namespace sillabor::cli {

class CliContext;

// Sets ctx.folder; what was set up, or why not, goes to stderr.
void UseWorkingFolder(CliContext& ctx, bool folderNamed);

}  // namespace sillabor::cli
