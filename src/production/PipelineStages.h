#pragma once

// The six stages of movie creation, numbered 1 to 6 as the pipeline reports them.
inline constexpr int kPipelineStageCount = 6;

// "1. Corel Draw export" ... "6. Cleaning up"; 0 gives "Normal" and any other number "Error".
const char* StageName(int stage);
