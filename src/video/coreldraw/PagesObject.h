#pragma once

#include <memory>
#include <string>

#include "video/coreldraw/ServerObject.h"

namespace CorelDraw {

// The pages of a document: "Count", and "Item" (1-based index) returning one page.
class PagesObject : public ServerObject {
public:
    PagesObject(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing);

protected:
    Com::HRESULT Answer(const Com::FuncDesc& member, std::vector<Com::Variant>& args,
                        Com::Variant& result, Com::ExcepInfo& excepInfo) override;
};

}  // namespace CorelDraw
