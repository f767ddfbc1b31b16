#include "results/busca.h"

#include "core/texto1252.h"

namespace tombolin {

namespace {

QByteArray Bytes(const QString& texto) {
    return CodificarCampo(texto, static_cast<int>(texto.size()));
}

// Windows-1252 upper case, byte for byte.
char Mayuscula(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7))
        return static_cast<char>(b - 0x20);
    switch (b) {
        case 0x9A:
            return static_cast<char>(0x8A);
        case 0x9C:
            return static_cast<char>(0x8C);
        case 0x9E:
            return static_cast<char>(0x8E);
        case 0xFF:
            return static_cast<char>(0x9F);
    }
    return c;
}

QByteArray Mayusculas(QByteArray b) {
    for (char& c : b) c = Mayuscula(c);
    return b;
}

// Whether `patron` (already in upper case when `mayusculas`) stands at 0-based `desde`.
bool Igual(const QByteArray& datos, qint64 desde, const QByteArray& patron, bool mayusculas) {
    if (desde + patron.size() > datos.size()) return false;
    const char* p = datos.constData() + desde;
    for (qsizetype i = 0; i < patron.size(); ++i) {
        if ((mayusculas ? Mayuscula(p[i]) : p[i]) != patron[i]) return false;
    }
    return true;
}

QString Buscar(Documento& d, const QString& empieza, const QString& final, bool espacios,
               bool barras, bool segundaComilla = false) {
    const QByteArray clave = Mayusculas(Bytes(empieza));
    const QByteArray fin = Bytes(final);
    const QByteArray finMayusculas = Mayusculas(fin);
    const qint64 e = clave.size();
    const QByteArray& datos = d.Datos();
    const qint64 longitud = datos.size();
    QString recogido;
    for (;;) {
        // A window of E characters, then back E - 1: one character on.
        const qint64 p = d.Posicion();
        const bool coincide = Igual(datos, p - 1, clave, true);
        d.Ir(p + 1);
        // The window touched the last character: nothing more to find.
        if (d.Posicion() + e - 1 > longitud) return {};
        if (!coincide) continue;
        d.Avanzar(e - 1);
        if (segundaComilla && d.Posicion() <= longitud && datos[d.Posicion() - 1] == '"')
            d.Avanzar(1);
        for (;;) {
            const qint64 q = d.Posicion();
            // Past the last character there is no end to find: the run stops.
            if (q > longitud) throw FueraDelDocumento();
            const bool acaba =
                Igual(datos, q - 1, fin, false) || Igual(datos, q - 1, finMayusculas, false);
            d.Ir(q + 1);
            if (acaba || d.Posicion() == longitud) return recogido;
            QChar c = DecodificarByte(static_cast<unsigned char>(datos[q - 1]));
            if (barras && c == QLatin1Char(' ')) c = QLatin1Char('/');
            recogido += c;
            if (espacios) recogido = recogido.trimmed();
        }
    }
}

}  // namespace

void Documento::Ir(qint64 posicion) {
    if (posicion < 1) throw FueraDelDocumento();
    posicion_ = posicion;
}

QString busca(Documento& d, const QString& empieza, const QString& final, bool espacios) {
    return Buscar(d, empieza, final, espacios, false);
}

QString buscaValor(Documento& d, const QString& final) {
    return Buscar(d, QStringLiteral("\""), final, false, false, true);
}

QString busca3(Documento& d, const QString& empieza, const QString& final) {
    return Buscar(d, empieza, final, false, true);
}

double Valor(const QString& texto) {
    double v = 0;
    bool alguno = false;
    for (QChar c : texto) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') ||
            c == QLatin1Char('\r')) {
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
        v = v * 10 + (c.unicode() - u'0');
        alguno = true;
    }
    return alguno ? v : 0;
}

}  // namespace tombolin
