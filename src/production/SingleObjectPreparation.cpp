#include "production/SingleObjectPreparation.h"

#include "production/PagePreparation.h"
#include "render/PrepareObject.h"
#include "video/PageExportSession.h"

Sys::Result PrepareSingleObject(const MovieObject& object, PreparedObject& prepared,
                                const std::string& projectFolder, int width, int height) {
    if (object.type != MovieObjectType::CorelDrawPage) {
        return PrepareObject(object, prepared, projectFolder, width, height);
    }
    PageExportSession session;
    Sys::Result result = session.Start();
    if (result.failed()) return result;
    return PreparePageObject(session, object, prepared, projectFolder, width, height);
}
