#include "project/ProjectJson.h"

#include <cstdio>
#include <limits>
#include <type_traits>

#include <nlohmann/json.hpp>

#include "panelwick/Sys/Utf.h"

using Json = nlohmann::ordered_json;

namespace {

// A refusal, carrying the message up to Read.
struct Refused {
    std::string message;
};

Json StringValue(const std::u16string& s) {
    if (Sys::IsValidUtf16(s)) return Sys::ToUtf8(s);
    Json units = Json::array();
    for (char16_t c : s) units.push_back(unsigned(c));
    return units;
}

Json ByteFlag(uint8_t byte) {
    if (byte <= 1) return byte == 1;
    return byte;
}

Json StateValue(const ObjectState& s) {
    return Json{{"x", s.x},
                {"y", s.y},
                {"sizeX", s.sizeX},
                {"sizeY", s.sizeY},
                {"rotX", s.rotX},
                {"rotY", s.rotY},
                {"rotZ", s.rotZ},
                {"transparency", s.transparency},
                {"contrast", s.contrast},
                {"brightness", s.brightness},
                {"saturation", s.saturation},
                {"volumeLeft", s.volumeLeft},
                {"volumeRight", s.volumeRight},
                {"fadeRate", s.fadeRate}};
}

Json ObjectValue(const MovieObject& o) {
    return Json{{"type", static_cast<unsigned>(o.type)},
                {"begin", o.begin},
                {"end", o.end},
                {"beginState", StateValue(o.beginState)},
                {"endState", StateValue(o.endState)},
                {"accelerationX", o.accelerationX},
                {"accelerationY", o.accelerationY},
                {"fileName", StringValue(o.fileName)},
                {"frontColor", o.frontColor},
                {"backColor", o.backColor},
                {"text", StringValue(o.text)},
                {"depth3D", o.depth3D},
                {"fontSize", o.fontSize},
                {"width", o.width},
                {"height", o.height},
                {"page", o.page},
                {"bassFrequency", o.bassFrequency},
                {"trebleFrequency", o.trebleFrequency},
                {"bassGain", o.bassGain},
                {"trebleGain", o.trebleGain},
                {"skip", o.skip},
                {"fontStyle", o.fontStyle},
                {"reserved", o.reserved}};
}

// Reads the named members of one JSON object into fields, checking each value's range.
class FieldReader {
public:
    FieldReader(const Json& object, std::string path) : object_(object), path_(std::move(path)) {
        if (!object_.is_object()) throw Refused{Name("") + "must be an object"};
    }

    template <typename T>
    void Number(const char* key, T& field) {
        if (const Json* v = Find(key)) field = Integer<T>(*v, Name(key));
    }

    void Flag(const char* key, bool& field, uint8_t& byte) {
        const Json* v = Find(key);
        if (!v) {
            byte = field ? 1 : 0;
            return;
        }
        byte = v->is_boolean() ? (v->get<bool>() ? 1 : 0) : Integer<uint8_t>(*v, Name(key));
        field = byte != 0;
    }

    void String(const char* key, std::u16string& field) {
        const Json* v = Find(key);
        if (!v) return;
        if (v->is_string()) {
            field = Sys::ToUtf16(v->get<std::string>());
        } else if (v->is_array()) {
            field.clear();
            for (size_t i = 0; i < v->size(); ++i) {
                field += char16_t(Integer<uint16_t>((*v)[i], Name(key) + "[" + std::to_string(i) + "]"));
            }
        } else {
            throw Refused{Name(key) + ": must be a string or an array of UTF-16 code units"};
        }
    }

    void State(const char* key, ObjectState& s) {
        const Json* v = Find(key);
        if (!v) return;
        FieldReader r(*v, Name(key));
        r.Number("x", s.x);
        r.Number("y", s.y);
        r.Number("sizeX", s.sizeX);
        r.Number("sizeY", s.sizeY);
        r.Number("rotX", s.rotX);
        r.Number("rotY", s.rotY);
        r.Number("rotZ", s.rotZ);
        r.Number("transparency", s.transparency);
        r.Number("contrast", s.contrast);
        r.Number("brightness", s.brightness);
        r.Number("saturation", s.saturation);
        r.Number("volumeLeft", s.volumeLeft);
        r.Number("volumeRight", s.volumeRight);
        r.Number("fadeRate", s.fadeRate);
    }

    template <typename T, size_t N>
    void Array(const char* key, std::array<T, N>& field) {
        const Json* v = Find(key);
        if (!v) return;
        if (!v->is_array() || v->size() != N) {
            throw Refused{Name(key) + ": must be an array of " + std::to_string(N) + " numbers"};
        }
        for (size_t i = 0; i < N; ++i) {
            field[i] = Integer<T>((*v)[i], Name(key) + "[" + std::to_string(i) + "]");
        }
    }

    std::string Name(const std::string& key) const {
        if (key.empty()) return path_.empty() ? "the project: " : path_ + ": ";
        return path_.empty() ? key : path_ + "." + key;
    }

private:
    const Json* Find(const char* key) const {
        auto it = object_.find(key);
        return it == object_.end() ? nullptr : &*it;
    }

    template <typename T>
    static T Integer(const Json& v, const std::string& name) {
        using Limits = std::numeric_limits<T>;
        const std::string range = std::to_string(+Limits::min()) + ".." + std::to_string(+Limits::max());
        if (v.is_number_integer()) {
            if (v.is_number_unsigned()) {
                const uint64_t u = v.get<uint64_t>();
                if (u <= uint64_t(Limits::max())) return static_cast<T>(u);
            } else {
                const int64_t s = v.get<int64_t>();
                if (s >= int64_t(Limits::min()) && (s < 0 || uint64_t(s) <= uint64_t(Limits::max()))) {
                    return static_cast<T>(s);
                }
            }
            throw Refused{name + ": " + v.dump() + " is outside " + range};
        }
        throw Refused{name + ": must be a whole number in " + range};
    }

    const Json& object_;
    std::string path_;
};

MovieObject ReadObject(const Json& value, const std::string& path) {
    MovieObject o;
    FieldReader r(value, path);
    uint8_t type = static_cast<uint8_t>(o.type);
    r.Number("type", type);
    o.type = static_cast<MovieObjectType>(type);
    r.Number("begin", o.begin);
    r.Number("end", o.end);
    r.State("beginState", o.beginState);
    r.State("endState", o.endState);
    r.Number("accelerationX", o.accelerationX);
    r.Number("accelerationY", o.accelerationY);
    r.String("fileName", o.fileName);
    r.Number("frontColor", o.frontColor);
    r.Number("backColor", o.backColor);
    r.String("text", o.text);
    r.Number("depth3D", o.depth3D);
    r.Number("fontSize", o.fontSize);
    r.Number("width", o.width);
    r.Number("height", o.height);
    r.Number("page", o.page);
    r.Number("bassFrequency", o.bassFrequency);
    r.Number("trebleFrequency", o.trebleFrequency);
    r.Number("bassGain", o.bassGain);
    r.Number("trebleGain", o.trebleGain);
    r.Number("skip", o.skip);
    r.Number("fontStyle", o.fontStyle);
    r.Array("reserved", o.reserved);
    return o;
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char pair[3];
    for (unsigned char c : bytes) {
        std::snprintf(pair, sizeof pair, "%02x", c);
        out += pair;
    }
    return out;
}

std::string Unhex(const std::string& hex) {
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    if (hex.size() % 2 != 0) throw Refused{"trailingBytes: must be pairs of hex digits"};
    std::string out;
    for (size_t i = 0; i < hex.size(); i += 2) {
        const int hi = digit(hex[i]), lo = digit(hex[i + 1]);
        if (hi < 0 || lo < 0) throw Refused{"trailingBytes: must be pairs of hex digits"};
        out += char(hi * 16 + lo);
    }
    return out;
}

}  // namespace

std::string ProjectJson::Write(const MovieProperties& p, const std::vector<MovieObject>& objects,
                               const ProjectFileExtras& x) {
    Json root{{"version", x.version},
              {"subversion", x.subversion},
              {"fps", p.fps},
              {"movieQuality", p.movieQuality},
              {"jpgQuality", p.jpgQuality},
              {"width", p.width},
              {"height", p.height},
              {"backColor", p.backColor},
              {"normalizeVolume", ByteFlag(x.normalizeVolumeByte)},
              {"darkTheme", ByteFlag(x.darkThemeByte)}};
    Json list = Json::array();
    for (const MovieObject& o : objects) list.push_back(ObjectValue(o));
    root["objects"] = std::move(list);
    if (!x.trailing.empty()) root["trailingBytes"] = Hex(x.trailing);
    return root.dump(2) + "\n";
}

Sys::Result ProjectJson::Read(const std::string& text, MovieProperties& p,
                              std::vector<MovieObject>& objects, ProjectFileExtras& x) {
    try {
        const Json root = Json::parse(text);
        MovieProperties properties = MovieProperties::AfterNew();
        ProjectFileExtras extras;
        FieldReader r(root, "");
        r.Number("version", extras.version);
        r.Number("subversion", extras.subversion);
        r.Number("fps", properties.fps);
        r.Number("movieQuality", properties.movieQuality);
        r.Number("jpgQuality", properties.jpgQuality);
        r.Number("width", properties.width);
        r.Number("height", properties.height);
        r.Number("backColor", properties.backColor);
        r.Flag("normalizeVolume", properties.normalizeVolume, extras.normalizeVolumeByte);
        r.Flag("darkTheme", properties.darkTheme, extras.darkThemeByte);
        std::vector<MovieObject> list;
        if (auto it = root.find("objects"); it != root.end()) {
            if (!it->is_array()) return "objects: must be an array";
            for (size_t i = 0; i < it->size(); ++i) {
                list.push_back(ReadObject((*it)[i], "objects[" + std::to_string(i) + "]"));
            }
        }
        if (auto it = root.find("trailingBytes"); it != root.end()) {
            if (!it->is_string()) return "trailingBytes: must be a string of hex digits";
            extras.trailing = Unhex(it->get<std::string>());
        }
        p = properties;
        objects = std::move(list);
        x = std::move(extras);
        return {};
    } catch (const Refused& refused) {
        return refused.message;
    } catch (const Json::exception& e) {
        return std::string("Invalid JSON: ") + e.what();
    }
}
