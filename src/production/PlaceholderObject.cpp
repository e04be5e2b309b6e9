#include "production/PlaceholderObject.h"

MovieObject PlaceholderObject(const MovieObject& failed) {
    MovieObject o = failed;
    o.type = MovieObjectType::Text;
    const std::u16string name = failed.fileName.empty() ? u"(no file)" : failed.fileName;
    o.text = u"Cannot load " + name;
    o.fileName.clear();  // the default face
    o.frontColor = 0x00FFFFFF;
    o.backColor = 0x000000C0;  // dark red (red is the lowest byte)
    o.depth3D = 2;
    o.fontSize = 16;
    o.fontStyle = MovieObject::kBold;
    return o;
}
