#include "app/common/Bytes.h"

namespace vantor {
namespace {

// 0x80..0x9F of Windows-1252; 0 marks the five undefined bytes, shown as the C1 control itself.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
                                0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t ToUnicode(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0) return kHigh[b - 0x80];
    return b;
}

}  // namespace

QString FromBytes(std::string_view bytes)
{
    QString out(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* d = out.data();
    for (size_t i = 0; i < bytes.size(); ++i) d[i] = QChar(ToUnicode(static_cast<unsigned char>(bytes[i])));
    return out;
}

QString VisibleText(std::string_view bytes)
{
    QString out = FromBytes(bytes);
    for (QChar& ch : out)
        if (ch.unicode() < 0x20) ch = QChar(static_cast<char16_t>(0x2400 + ch.unicode()));
    return out;
}

QString ShownText(std::string_view bytes)
{
    if (bytes.size() <= kMaxShownChars) return VisibleText(bytes);
    return VisibleText(bytes.substr(0, kMaxShownChars - 1)) +
           QString::fromUtf16(u"\u2026 (%1 more characters)").arg(bytes.size() - (kMaxShownChars - 1));
}

std::string ToBytes(const QString& text)
{
    std::string out;
    out.reserve(static_cast<size_t>(text.size()));
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out += static_cast<char>(u);
            continue;
        }
        char mapped = '?';
        for (int i = 0; i < 32; ++i) {
            if (kHigh[i] == u || (kHigh[i] == 0 && u == 0x80 + i)) {
                mapped = static_cast<char>(0x80 + i);
                break;
            }
        }
        out += mapped;
    }
    return out;
}

}  // namespace vantor
