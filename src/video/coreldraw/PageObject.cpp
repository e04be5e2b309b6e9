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
    : ServerObject(Members(), std::move(session), std::move(drawing)), index_(index) {}

Com::HRESULT PageObject::Answer(const Com::FuncDesc& member, std::vector<Com::Variant>&,
                                Com::Variant&, Com::ExcepInfo&) {
    if (member.memberId != kActivate) return Com::DISP_E_MEMBERNOTFOUND;
    drawing_->activePage = index_;
    return Com::S_OK;
}

}  // namespace CorelDraw
