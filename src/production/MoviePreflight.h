#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "project/MovieObject.h"
#include "project/MovieProperties.h"
#include "project/ProjectPaths.h"

// The checks made before movie creation touches anything: the encoder is found; every object
// that takes part has a file that opens (pictures by their first bytes, WAVE files by the
// mixdown's format rules, video frame folders by their first frame and time table); frame
// rate and size are in the ranges the properties dialog offers; the project folder can be
// written and has room for the frames and the soundtrack. Every problem is collected, so one
// message names them all.
class MoviePreflight {
public:
    // The objects overlapping [begin, end] ms take part; begin 0 takes every object. Without
    // frame files (frames streamed to the encoder) only the soundtrack needs room.
    MoviePreflight(const std::vector<MovieObject>& objects, const MovieProperties& properties,
                   const ProjectPaths& paths, uint32_t begin = 0, uint32_t end = 0);

    void SetFrameFiles(bool frameFiles) { frameFiles_ = frameFiles; }

    // Runs every check; true when nothing is wrong.
    bool Check();

    // "The movie cannot be made:" and one line per problem; empty when nothing is wrong.
    std::string Message() const;
    // The indexes of the objects whose files failed, in list order.
    const std::vector<size_t>& badObjects() const { return badObjects_; }

    // The bytes movie creation writes into tmp: frames x one encoded test frame x 1.2, when
    // frames are files, plus the soundtrack.
    uint64_t SpaceNeeded() const;

private:
    void CheckEncoder();
    void CheckObjects();
    // False when the frame rate or the size is out of range.
    bool CheckProperties();
    // Writable, and with room for the work when withSpace.
    void CheckFolder(bool withSpace);
    // Why the object's file cannot serve; empty when it can.
    std::string FileProblem(const MovieObject& object) const;
    uint32_t FrameCount() const;

    const std::vector<MovieObject>& objects_;
    MovieProperties properties_;
    ProjectPaths paths_;
    uint32_t begin_, end_;
    bool frameFiles_ = true;
    std::vector<std::string> problems_;
    std::vector<size_t> badObjects_;
};
