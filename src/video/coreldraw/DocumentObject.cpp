#include "video/coreldraw/DocumentObject.h"

#include "panelwick/Sys/Utf.h"
#include "video/coreldraw/CorelDrawServer.h"
#include "video/coreldraw/ExportFilterObject.h"
#include "video/coreldraw/PagesObject.h"

namespace CorelDraw {
namespace {

enum : Com::DispId { kPages = 1, kExportBitmap = 2, kClose = 3 };

// The arguments of "ExportBitmap", in parameter order.
enum ExportArgument {
    kFileName, kFilter, kRange, kImageType, kWidth, kHeight, kResolutionX, kResolutionY,
    kAntiAliasing, kUseColorProfile, kKeepTransparency, kKeepLayers, kKeepAspect, kCompression,
    kPaletteOptions, kExportArea
};

std::shared_ptr<Com::TypeInfo> Members() {
    using namespace Com;
    static const auto members = std::make_shared<TypeInfo>(std::vector<FuncDesc>{
        {"Pages", kPages, DISPATCH_PROPERTYGET, {}, 0, VT_DISPATCH},
        {"ExportBitmap", kExportBitmap, DISPATCH_METHOD,
         {VT_BSTR, VT_I4, VT_I4, VT_I4, VT_I4, VT_I4, VT_I4, VT_I4, VT_I4, VT_BOOL, VT_BOOL,
          VT_BOOL, VT_BOOL, VT_I4, VT_BYREF | VT_DISPATCH, VT_BYREF | VT_DISPATCH},
         7, VT_DISPATCH},
        {"Close", kClose, DISPATCH_METHOD, {}, 0, VT_VOID},
    });
    return members;
}

// A left-out optional argument takes its default.
int64_t IntegerOr(const Com::Variant& arg, int64_t fallback) {
    return arg.vt == Com::VT_ERROR ? fallback : arg.intVal;
}

}  // namespace

DocumentObject::DocumentObject(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing)
    : ServerObject(Members(), std::move(session), std::move(drawing)) {}

Com::HRESULT DocumentObject::Answer(const Com::FuncDesc& member, std::vector<Com::Variant>& args,
                                    Com::Variant& result, Com::ExcepInfo& excepInfo) {
    switch (member.memberId) {
        case kPages:
            result = Com::Variant::Dispatch(std::make_shared<PagesObject>(session_, drawing_));
            return Com::S_OK;
        case kExportBitmap:
            return ExportBitmap(args, result, excepInfo);
        case kClose:
            drawing_->closed = true;
            return Com::S_OK;
    }
    return Com::DISP_E_MEMBERNOTFOUND;
}

Com::HRESULT DocumentObject::ExportBitmap(const std::vector<Com::Variant>& args,
                                          Com::Variant& result, Com::ExcepInfo& excepInfo) {
    if (args[kFilter].intVal != kPngFilter) {
        return Raise(excepInfo, kSource,
                     "Export filter " + std::to_string(args[kFilter].intVal) + " is not available");
    }
    const int64_t width = args[kWidth].intVal, height = args[kHeight].intVal;
    const int64_t dpiX = args[kResolutionX].intVal, dpiY = args[kResolutionY].intVal;
    if (width < 0 || height < 0 || dpiX <= 0 || dpiY <= 0) {
        return Raise(excepInfo, kSource, "Invalid export size or resolution");
    }
    RasterOptions options;
    options.dpiX = double(dpiX);
    options.dpiY = double(dpiY);
    options.width = static_cast<uint32_t>(width);
    options.height = static_cast<uint32_t>(height);
    options.transparent = IntegerOr(args[kKeepTransparency], Com::VARIANT_TRUE) != 0;
    options.maxPixels = PixelLimit();
    result = Com::Variant::Dispatch(std::make_shared<ExportFilterObject>(
        session_, drawing_->pages[drawing_->activePage], Sys::ToUtf8(args[kFileName].bstrVal),
        options));
    return Com::S_OK;
}

}  // namespace CorelDraw
