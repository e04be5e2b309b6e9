#pragma once

#include <string>

// The path of a file of the shared test corpora (relative to the corpora folder, such as
// "cdr/probe.cdr"), found in the first folder above the project root that has
// shared/corpora; empty when there is none.
std::string CorpusFile(const std::string& relativePath);
