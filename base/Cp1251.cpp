// Windows-1251 through iconv: the table of the 256 byte values is built once from the library,
// and both directions use it.
#include "base/Cp1251.h"

#include <array>
#include <iconv.h>
#include <unordered_map>

namespace {

struct Tables {
    std::array<char32_t, 256> ToUnicode{};
    std::unordered_map<char32_t, unsigned char> ToByte;

    Tables() {
        iconv_t cd = iconv_open("UTF-32LE", "CP1251");
        for (int b = 0; b < 256; ++b) {
            char in = static_cast<char>(b);
            unsigned char out[4] = {};
            char* inPtr = &in;
            char* outPtr = reinterpret_cast<char*>(out);
            std::size_t inLeft = 1, outLeft = 4;
            char32_t cp = 0xFFFD;
            if (cd != reinterpret_cast<iconv_t>(-1) &&
                iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) &&
                outLeft == 0)
                cp =
                    out[0] | (out[1] << 8) | (out[2] << 16) | (static_cast<char32_t>(out[3]) << 24);
            ToUnicode[b] = cp;
            if (cp != 0xFFFD)
                ToByte.emplace(cp, static_cast<unsigned char>(b));
        }
        if (cd != reinterpret_cast<iconv_t>(-1))
            iconv_close(cd);
    }
};

const Tables& TheTables() {
    static const Tables tables;
    return tables;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

char32_t Cp1251CodePoint(unsigned char byte) {
    return TheTables().ToUnicode[byte];
}

int Cp1251Byte(char32_t codePoint) {
    const auto& map = TheTables().ToByte;
    auto it = map.find(codePoint);
    return it == map.end() ? -1 : it->second;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
    const auto& table = TheTables().ToUnicode;
    std::string out;
    out.reserve(bytes.size() * 2);
    for (unsigned char b : bytes) {
        if (b < 0x80)
            out += static_cast<char>(b);
        else
            AppendUtf8(out, table[b]);
    }
    return out;
}

std::string Utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        unsigned char lead = static_cast<unsigned char>(utf8[i]);
        int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
        if (extra < 0 || (extra > 0 && i + extra >= utf8.size())) {
            ++i;
            continue;
        }
        char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
        bool valid = true;
        for (int k = 1; k <= extra; ++k) {
            unsigned char c = static_cast<unsigned char>(utf8[i + k]);
            if ((c & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            cp = (cp << 6) | (c & 0x3F);
        }
        if (!valid) {
            ++i;
            continue;
        }
        i += extra + 1;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (int b = Cp1251Byte(cp); b >= 0) {
            out += static_cast<char>(b);
        }
    }
    return out;
}
