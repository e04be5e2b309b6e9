#include "support/Corpus.h"

#include <filesystem>

std::string CorpusFile(const std::string& relativePath) {
    // The project may be checked out as the main tree or as a worktree deeper down.
    for (std::filesystem::path folder = std::filesystem::path(REELWORK_SOURCE_DIR).parent_path();
         !folder.empty(); folder = folder.parent_path()) {
        const std::filesystem::path candidate = folder / "shared/corpora" / relativePath;
        if (std::filesystem::is_regular_file(candidate)) return candidate.string();
        if (folder == folder.root_path()) break;
    }
    return {};
}
