#include "video/coreldraw/PageObject.h"

namespace CorelDraw {
namespace {

enum : Com::DispId { kActivate = 1 };

std::shared_ptr<Com::TypeInfo> Members() {
    using namespace Com;
    static const auto members = std::make_shared<TypeInfo>(std::vector<FuncDesc>{
        {"Activate", kActivate, DISPATCH_METHOD, {}, 0, VT_VOID},
    });
    return members;
}

}  // namespace

PageObject::PageObject(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing,
                       size_t index)
    : DispatchObject(Members()),
      session_(std::move(session)),
      drawing_(std::move(drawing)),
      index_(index) {}

Com::HRESULT PageObject::Call(const Com::FuncDesc& member, std::vector<Com::Variant>&,
                              Com::Variant&, Com::ExcepInfo& excepInfo) {
    if (Com::HRESULT hr = CheckRunning(*session_); Com::Failed(hr)) return hr;
    if (drawing_->closed) return Raise(excepInfo, kExceptionSource, "The document is closed");
    if (member.memberId != kActivate) return Com::DISP_E_MEMBERNOTFOUND;
    drawing_->activePage = index_;
    return Com::S_OK;
}

}  // namespace CorelDraw
