#include "video/coreldraw/ApplicationObject.h"

#include "panelwick/Sys/FileSystem.h"
#include "panelwick/Sys/Utf.h"
#include "video/coreldraw/DocumentObject.h"
#include "video/coreldraw/DrawingReader.h"

namespace CorelDraw {
namespace {

enum : Com::DispId { kOpenDocument = 1, kQuit = 2 };

std::shared_ptr<Com::TypeInfo> Members() {
    using namespace Com;
    static const auto members = std::make_shared<TypeInfo>(std::vector<FuncDesc>{
        {"OpenDocument", kOpenDocument, DISPATCH_METHOD, {VT_BSTR}, 0, VT_DISPATCH},
        {"Quit", kQuit, DISPATCH_METHOD, {}, 0, VT_VOID},
    });
    return members;
}

}  // namespace

ApplicationObject::ApplicationObject()
    : ServerObject(Members(), std::make_shared<Session>(), nullptr) {
    ApplicationStarted();
}

Com::HRESULT ApplicationObject::Answer(const Com::FuncDesc& member,
                                       std::vector<Com::Variant>& args, Com::Variant& result,
                                       Com::ExcepInfo& excepInfo) {
    switch (member.memberId) {
        case kOpenDocument:
            return OpenDocument(args[0].bstrVal, result, excepInfo);
        case kQuit:
            session_->quit = true;
            ApplicationQuit();
            return Com::S_OK;
    }
    return Com::DISP_E_MEMBERNOTFOUND;
}

Com::HRESULT ApplicationObject::OpenDocument(const std::u16string& path, Com::Variant& result,
                                             Com::ExcepInfo& excepInfo) {
    auto drawing = std::make_shared<Drawing>();
    drawing->path = Sys::ToUtf8(path);
    std::string bytes;
    if (!Sys::ReadWholeFile(drawing->path, bytes)) {
        return Raise(excepInfo, kSource, "Unable to open the file " + drawing->path);
    }
    if (!ReadDrawing(bytes, drawing->pages)) {
        return Raise(excepInfo, kSource,
                     "The file is not a drawing this program can read: " + drawing->path);
    }
    result = Com::Variant::Dispatch(std::make_shared<DocumentObject>(session_, drawing));
    return Com::S_OK;
}

}  // namespace CorelDraw
