#pragma once

#include <string>

#include "panelwick/Mt/Task.h"
#include "panelwick/Mt/TaskResult.h"
#include "project/MovieObjectType.h"

// Brings one file from anywhere into the project for an object of the type and gives the name
// the object is to use: drawings are copied, pictures, sound and videos imported as "Add
// Media..." does (sound converted, a video as a frame folder). Fails with the reason when the
// file cannot serve.
Mt::TaskResult ImportFileForObject(MovieObjectType type, const std::string& projectFolder,
                                   const std::string& path, Mt::Task& task, std::string& name);
