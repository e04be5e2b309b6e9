#pragma once

#include <memory>

#include "panelwick/Com/DispatchObject.h"
#include "video/coreldraw/ServerState.h"

namespace CorelDraw {

// An open document: "Pages" returns its page collection, "ExportBitmap" (sixteen arguments)
// prepares the export of the current page and returns the export filter, "Close" closes it.
class DocumentObject : public Com::DispatchObject {
public:
    // The PNG export filter, the only one this server has.
    static constexpr int32_t kPngFilter = 802;

    DocumentObject(std::shared_ptr<Session> session, std::shared_ptr<Drawing> drawing);

protected:
    Com::HRESULT Call(const Com::FuncDesc& member, std::vector<Com::Variant>& args,
                      Com::Variant& result, Com::ExcepInfo& excepInfo) override;

private:
    Com::HRESULT ExportBitmap(const std::vector<Com::Variant>& args, Com::Variant& result,
                              Com::ExcepInfo& excepInfo);

    std::shared_ptr<Session> session_;
    std::shared_ptr<Drawing> drawing_;
};

}  // namespace CorelDraw
