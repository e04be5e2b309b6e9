#pragma once

#include <string>

#include "panelwick/Sys/Result.h"

// A numbered JPG series: the folder and the printf pattern of its file names, numbered from 1.
struct JpgSeries {
    std::string folder;
    std::string pattern;  // e.g. "img%06d.jpg"

    // The series an image of it belongs to: the trailing digits of its title give the width
    // ("img000007.jpg" gives "img%06d.jpg"); no digits give width 0. "Please provide a valid
    // path" when the path has no folder part.
    Sys::Result From(const std::string& imagePath);
    std::string Path(int number) const;
    // How many pictures follow one another from number 1 (stops before 100000).
    int Count() const;
};
