#include "video/coreldraw/PagesObject.h"

#include "video/coreldraw/PageObject.h"

namespace CorelDraw {
namespace {

enum : Com::DispId { kItem = 0, kCount = 1 };

std::shared_ptr<Com::TypeInfo> Members() {
    using namespace Com;
    static const auto members = std::make_shared<TypeInfo>(std::vector<FuncDesc>{
        {"Item", kItem, DISPATCH_PROPERTYGET, {VT_I4}, 0, VT_DISPATCH},
        {"Count", kCount, DISPATCH_PROPERTYGET, {}, 0, VT_I4},
    });
    return members;
}

}  // namespace

PagesObject::PagesObject(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing)
    : ServerObject(Members(), std::move(session), std::move(drawing)) {}

Com::HRESULT PagesObject::Answer(const Com::FuncDesc& member, std::vector<Com::Variant>& args,
                                 Com::Variant& result, Com::ExcepInfo&) {
    switch (member.memberId) {
        case kCount:
            result = Com::Variant::I4(static_cast<int32_t>(drawing_->pages.size()));
            return Com::S_OK;
        case kItem: {
            const int64_t index = args[0].intVal;
            if (index < 1 || static_cast<uint64_t>(index) > drawing_->pages.size()) {
                return Com::DISP_E_BADINDEX;
            }
            result = Com::Variant::Dispatch(
                std::make_shared<PageObject>(session_, drawing_, static_cast<size_t>(index - 1)));
            return Com::S_OK;
        }
    }
    return Com::DISP_E_MEMBERNOTFOUND;
}

}  // namespace CorelDraw
