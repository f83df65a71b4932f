#include "richtext/rtfcodepages.h"

#include <algorithm>
#include <array>

namespace richtext {

namespace {

struct Pair
{
    int key;
    int value;
};

// Windows character sets to their code pages. Johab has no decoder here;
// the Korean code page reads most of it.
constexpr auto charsetCodePages = std::to_array<Pair>({
    {77, 10000},
    {128, 932},
    {129, 949},
    {130, 949},
    {134, 936},
    {136, 950},
    {161, 1253},
    {162, 1254},
    {163, 1258},
    {177, 1255},
    {178, 1256},
    {186, 1257},
    {204, 1251},
    {222, 874},
    {238, 1250},
    {255, 437},
});

struct CodePageName
{
    int codePage;
    const char *name;
};

constexpr auto codePageNames = std::to_array<CodePageName>({
    {437, "IBM437"},
    {850, "IBM850"},
    {874, "windows-874"},
    {932, "Shift_JIS"},
    {936, "GBK"},
    {949, "windows-949"},
    {950, "Big5"},
    {1250, "windows-1250"},
    {1251, "windows-1251"},
    {1252, "windows-1252"},
    {1253, "windows-1253"},
    {1254, "windows-1254"},
    {1255, "windows-1255"},
    {1256, "windows-1256"},
    {1257, "windows-1257"},
    {1258, "windows-1258"},
    {10000, "macintosh"},
    {65001, "UTF-8"},
});

const char *decoderName(int codePage)
{
    const auto found = std::find_if(codePageNames.begin(), codePageNames.end(),
                                    [codePage](const CodePageName &entry) { return entry.codePage == codePage; });
    return found != codePageNames.end() ? found->name : "windows-1252";
}

} // namespace

int codePageOfCharset(int charset)
{
    const auto found = std::find_if(charsetCodePages.begin(), charsetCodePages.end(),
                                    [charset](const Pair &pair) { return pair.key == charset; });
    return found != charsetCodePages.end() ? found->value : 0;
}

QString CodePageDecoder::decode(QByteArrayView bytes, int codePage)
{
    if (bytes.isEmpty())
        return {};
    const char *name = decoderName(codePage);
    auto found = m_decoders.find(name);
    if (found == m_decoders.end())
        found = m_decoders.emplace(name, QStringDecoder(name, QStringDecoder::Flag::Stateless)).first;
    if (!found->second.isValid())
        return QString::fromLatin1(bytes);
    return found->second.decode(bytes);
}

} // namespace richtext
