#include "app/screenshots/EditorScreenshots.h"

#include <filesystem>

#include <QDir>

#include "app/editor/EditDlg.h"
#include "app/editor/PropertiesDlg.h"
#include "app/screenshots/DialogShot.h"
#include "app/timeline/DocumentView.h"
#include "app/window/Reelwork.h"
#include "panelwick/Sys/FrameFolder.h"

namespace {

// The first object of the type in the project, or a new one placed in the middle.
MovieObject ObjectOf(const Document& document, MovieObjectType type) {
    for (const MovieObject& o : document.objects) {
        if (o.type == type) return o;
    }
    MovieObject o;
    o.type = type;
    o.begin = 1000;
    o.end = 5000;
    o.beginState.x = o.endState.x = 8000000;
    o.beginState.y = o.endState.y = 4500000;
    o.endState.rotZ = 150000;
    o.endState.sizeX = o.endState.sizeY = 6000;
    return o;
}

// A two-second frame folder "clip" of the sample picture.
void MakeClip(const std::string& project) {
    namespace fs = std::filesystem;
    const std::string folder = Sys::FrameFolderPath(project, "clip");
    std::error_code error;
    fs::create_directories(folder, error);
    for (int i = 1; i <= 50; ++i) {
        fs::copy_file(project + "/sample.jpg", Sys::FramePath(project, "clip", i),
                      fs::copy_options::overwrite_existing, error);
    }
    (void)Sys::WriteImportVideoBin(folder);
}

void ShootEditor(Reelwork& window, const MovieObject& object, const QDir& out,
                 const QString& name) {
    const Document& document = window.view().document();
    EditDlg editor(object, document.folder(), document.properties.backColor, &window);
    ShootDialog(editor, out.filePath(name + "-begin.png"), [&] { editor.WaitUntilPrepared(); });
    ShootDialog(editor, out.filePath(name + "-end.png"), [&] { editor.ShowTab(1); });
}

}  // namespace

void SaveEditorShots(Reelwork& window, const QString& folder) {
    const Document& document = window.view().document();
    const QDir out(folder);
    ShootEditor(window, ObjectOf(document, MovieObjectType::Image), out, "edit-image");
    ShootEditor(window, ObjectOf(document, MovieObjectType::Text), out, "edit-text");
    ShootEditor(window, ObjectOf(document, MovieObjectType::Rectangle), out, "edit-rectangle");
    MovieObject page = ObjectOf(document, MovieObjectType::CorelDrawPage);
    if (std::filesystem::exists(document.folder() + "/drawing.cdr")) page.fileName = u"drawing.cdr";
    ShootEditor(window, page, out, "edit-page");
    MakeClip(document.folder());
    MovieObject video = ObjectOf(document, MovieObjectType::Video);
    video.fileName = u"clip";
    video.end = video.begin + 2000;
    ShootEditor(window, video, out, "edit-video");

    PropertiesDlg properties(document.properties, &window);
    ShootDialog(properties, out.filePath("movie-properties.png"));
}
