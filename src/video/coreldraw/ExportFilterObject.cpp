#include "video/coreldraw/ExportFilterObject.h"

namespace CorelDraw {
namespace {

enum : Com::DispId { kFinish = 1 };

std::shared_ptr<Com::TypeInfo> Members() {
    using namespace Com;
    static const auto members = std::make_shared<TypeInfo>(std::vector<FuncDesc>{
        {"Finish", kFinish, DISPATCH_METHOD, {}, 0, VT_VOID},
    });
    return members;
}

}  // namespace

ExportFilterObject::ExportFilterObject(std::shared_ptr<Session> session, std::string svg,
                                       std::string path, const RasterOptions& options)
    : ServerObject(Members(), std::move(session), nullptr),
      svg_(std::move(svg)),
      path_(std::move(path)),
      options_(options) {}

Com::HRESULT ExportFilterObject::Answer(const Com::FuncDesc& member, std::vector<Com::Variant>&,
                                        Com::Variant&, Com::ExcepInfo& excepInfo) {
    if (member.memberId != kFinish) return Com::DISP_E_MEMBERNOTFOUND;
    Sys::Result written = RasterizePage(svg_, options_, path_);
    if (written.failed()) return Raise(excepInfo, kSource, written.message());
    return Com::S_OK;
}

}  // namespace CorelDraw
