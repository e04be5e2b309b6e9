#pragma once

#include <string>

#include "panelwick/Com/Apartment.h"
#include "panelwick/Com/Object.h"
#include "panelwick/Sys/Result.h"
#include "project/MovieObject.h"

// One conversation with the drawing server on the current thread: automation is initialised
// for the lifetime of the session, Start creates the server's application, each ExportToPng
// exports one page object, and Quit (or the destructor) tells the application to quit.
// Automation failures come back as their exception texts.
class PageExportSession {
public:
    PageExportSession() = default;
    ~PageExportSession();
    PageExportSession(const PageExportSession&) = delete;
    PageExportSession& operator=(const PageExportSession&) = delete;

    Sys::Result Start();
    // Opens projectFolder/fileName, makes the object's page current, exports it as a PNG to
    // pngPath and closes the document. "Missing file: " + path when the document cannot be
    // read, "Invalid page: " + path when the page is beyond the document's page count.
    Sys::Result ExportToPng(const std::string& projectFolder, const MovieObject& object,
                            const std::string& pngPath);
    // Tells the application to quit, when there is one.
    Sys::Result Quit();

private:
    Com::Apartment apartment_;
    Com::Object application_;
};
