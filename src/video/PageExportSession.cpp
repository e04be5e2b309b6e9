#include "video/PageExportSession.h"

#include <array>
#include <memory>

#include "panelwick/Com/Exception.h"
#include "panelwick/Sys/File.h"
#include "panelwick/Sys/Utf.h"
#include "video/coreldraw/CorelDrawServer.h"

namespace {

using Com::Variant;

void OpenDocument(Com::Object& application, const std::string& path, Com::Object& document) {
    std::array<Variant, 1> args{Variant::Bstr(Sys::ToUtf16(path))};
    application.InvokeToObject("OpenDocument", args, document, Com::DISPATCH_METHOD);
}

void Pages(Com::Object& document, Com::Object& pages) {
    document.InvokeToObject("Pages", {}, pages, Com::DISPATCH_PROPERTYGET);
}

int64_t Count(Com::Object& pages) {
    Variant count;
    pages.InvokeToValue("Count", {}, count, Com::DISPATCH_PROPERTYGET);
    if (count.vt != Com::VT_INT) {
        const Com::HRESULT hr = Com::VariantChangeType(count, count, Com::VT_INT);
        if (Com::Failed(hr)) throw Com::Exception(hr, pages.name() + ".Count.VariantChangeType");
    }
    return count.intVal;
}

void Item(Com::Object& pages, uint8_t index, Com::Object& page) {
    std::array<Variant, 1> args{Variant::UI1(index)};
    pages.InvokeToObject("Item", args, page, Com::DISPATCH_PROPERTYGET);
}

// The current page as a PNG at 150 x 150 dots per inch, keeping transparency.
void ExportBitmap(Com::Object& document, const std::string& pngPath, Com::Object& filter) {
    std::shared_ptr<Com::IDispatch> paletteOptions, exportArea;
    std::array<Variant, 16> args{
        Variant::DispatchRef(&exportArea), Variant::DispatchRef(&paletteOptions),
        Variant::Int(7), Variant::Bool(true), Variant::Bool(false), Variant::Bool(true),
        Variant::Bool(false), Variant::Int(1), Variant::Int(150), Variant::Int(150),
        Variant::Int(0), Variant::Int(0), Variant::Int(4), Variant::Int(1), Variant::Int(802),
        Variant::Bstr(Sys::ToUtf16(pngPath))};  // reverse parameter order
    document.InvokeToObject("ExportBitmap", args, filter, Com::DISPATCH_METHOD);
}

bool CanRead(const std::string& path) {
    Sys::File file;
    return file.Open(path, Sys::File::Mode::Read);
}

}  // namespace

PageExportSession::~PageExportSession() { (void)Quit(); }

Sys::Result PageExportSession::Start() {
    CorelDraw::RegisterServer();
    try {
        application_.CreateInstance(CorelDraw::kProgId);
    } catch (const Com::Exception& e) {
        return e.Message();
    }
    return {};
}

Sys::Result PageExportSession::ExportToPng(const std::string& projectFolder,
                                           const MovieObject& object, const std::string& pngPath) {
    const std::string path = projectFolder + "/" + Sys::ToUtf8(object.fileName);
    if (!CanRead(path)) return "Missing file: " + path;
    try {
        Com::Object document, pages, page, filter;
        OpenDocument(application_, path, document);
        Pages(document, pages);
        if (object.page > Count(pages)) return "Invalid page: " + path;
        Item(pages, object.page, page);
        page.Call("Activate");
        ExportBitmap(document, pngPath, filter);
        filter.Call("Finish");
        document.Call("Close");
    } catch (const Com::Exception& e) {
        return e.Message();
    }
    return {};
}

Sys::Result PageExportSession::Quit() {
    if (application_.empty()) return {};
    try {
        application_.Call("Quit");
    } catch (const Com::Exception& e) {
        application_.Clear(false);
        return e.Message();
    }
    application_.Clear(false);
    return {};
}
