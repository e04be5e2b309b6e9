#pragma once

#include <memory>
#include <string>

#include "video/coreldraw/ServerObject.h"

namespace CorelDraw {

// One page of a document: "Activate" makes it the page that exports.
class PageObject : public ServerObject {
public:
    PageObject(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing, size_t index);

protected:
    Com::HRESULT Answer(const Com::FuncDesc& member, std::vector<Com::Variant>& args,
                        Com::Variant& result, Com::ExcepInfo& excepInfo) override;

private:
    size_t index_;
};

}  // namespace CorelDraw
