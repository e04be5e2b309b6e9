#include "production/PipelineStages.h"

const char* StageName(int stage) {
    switch (stage) {
        case 0:
            return "Normal";
        case 1:
            return "1. Corel Draw export";
        case 2:
            return "2. Load images";
        case 3:
            return "3. Create frames";
        case 4:
            return "4. Mix audio";
        case 5:
            return "5. Assemble video and audio";
        case 6:
            return "6. Cleaning up";
        default:
            return "Error";
    }
}
