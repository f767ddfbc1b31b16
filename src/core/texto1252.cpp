#include "core/texto1252.h"

#include <array>

namespace tombolin {

namespace {

// The bytes 0x80..0x9F, where Windows-1252 departs from Latin-1. The five bytes the code page
// leaves undefined keep their C1 control character so that they survive a round trip.
constexpr std::array<char16_t, 32> kAltos = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

}  // namespace

QChar DecodificarByte(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return QChar(kAltos[b - 0x80]);
    return QChar(static_cast<char16_t>(b));
}

char CodificarCaracter(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (std::size_t i = 0; i < kAltos.size(); ++i) {
        if (kAltos[i] == u) return static_cast<char>(0x80 + i);
    }
    return '?';
}

QString DecodificarCampo(const char* bytes, int ancho) {
    QString texto;
    texto.reserve(ancho);
    for (int i = 0; i < ancho; ++i)
        texto.append(DecodificarByte(static_cast<unsigned char>(bytes[i])));
    return texto;
}

QByteArray CodificarCampo(const QString& texto, int ancho) {
    QByteArray campo(ancho, ' ');
    // A character outside the Basic Multilingual Plane is one character to the user: one "?".
    int j = 0;
    for (int i = 0; i < texto.size() && j < ancho; ++i, ++j) {
        const QChar c = texto.at(i);
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto.at(i + 1).isLowSurrogate()) {
            ++i;
            campo[j] = '?';
            continue;
        }
        campo[j] = CodificarCaracter(c);
    }
    return campo;
}

}  // namespace tombolin
