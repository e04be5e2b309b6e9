#pragma once

#include <memory>
#include <string>

#include "panelwick/Com/DispatchObject.h"
#include "video/coreldraw/PageRasterizer.h"
#include "video/coreldraw/ServerState.h"

namespace CorelDraw {

// A prepared export of one page: "Finish" draws the page and writes the file.
class ExportFilterObject : public Com::DispatchObject {
public:
    ExportFilterObject(std::shared_ptr<Session> session, std::string svg, std::string path,
                       const RasterOptions& options);

protected:
    Com::HRESULT Call(const Com::FuncDesc& member, std::vector<Com::Variant>& args,
                      Com::Variant& result, Com::ExcepInfo& excepInfo) override;

private:
    std::shared_ptr<Session> session_;
    std::string svg_;
    std::string path_;
    RasterOptions options_;
};

}  // namespace CorelDraw
