// Face resolution through fontconfig's substitution rules (its metric aliases included).
#include "platform/FontMatch.h"

#include "editor/style/CharCase.h"

#include <fontconfig/fontconfig.h>

#include <map>
#include <memory>

namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

QString Match(const std::string& family) {
    Pattern pattern(FcPatternCreate());
    if (!pattern)
        return QString::fromStdString(family);
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
    FcChar8* name = nullptr;
    if (match && FcPatternGetString(match.get(), FC_FAMILY, 0, &name) == FcResultMatch && name)
        return QString::fromUtf8(reinterpret_cast<const char*>(name));
    return QString::fromStdString(family);
}

} // namespace

QString ResolveFontFamily(const std::string& name) {
    static std::map<std::string, QString> cache;
    std::string key = AnsiLowerCase(name);
    auto it = cache.find(key);
    if (it != cache.end())
        return it->second;
    // FixedSys is the Windows bitmap face of last resort for fixed-pitch text.
    QString family = Match(key == "fixedsys" ? std::string("monospace") : name);
    cache.emplace(key, family);
    return family;
}
