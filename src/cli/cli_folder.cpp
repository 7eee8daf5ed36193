#include "cli/cli_folder.h"

#include "base/text_encoding.h"
#include "base/working_folder.h"
#include "cli/cli_context.h"

namespace sillabor::cli {

void UseWorkingFolder(CliContext& ctx, bool folderNamed) {
    std::optional<std::filesystem::path> named;
    if (folderNamed) named = ctx.folder;
    const WorkingFolder folder = ChooseWorkingFolder(InputsFromEnvironment(named));
    ctx.folder = folder.root.string();
    for (const std::string& message : folder.messages) ctx.err << Cp1252ToUtf8(message) << '\n';
}

}  // namespace sillabor::cli
