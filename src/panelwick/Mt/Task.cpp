#include "panelwick/Mt/Task.h"

namespace Mt {

Task& Task::Unwatched() {
    thread_local Task task;
    return task;
}

}  // namespace Mt
