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
    if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) return static_cast<char>(b - 0x20);
    switch (b) {
        case 0x9A: return static_cast<char>(0x8A);
        case 0x9C: return static_cast<char>(0x8C);
        case 0x9E: return static_cast<char>(0x8E);
        case 0xFF: return static_cast<char>(0x9F);
    }
    return c;
}

QByteArray Mayusculas(QByteArray b) {
    for (char& c : b) c = Mayuscula(c);
    return b;
}

QString Buscar(Documento& d, const QString& empieza, const QString& final, bool espacios,
               bool barras) {
    const QByteArray clave = Mayusculas(Bytes(empieza));
    const QByteArray fin = Bytes(final);
    const QByteArray finMayusculas = Mayusculas(fin);
    const int e = static_cast<int>(clave.size());
    const int f = static_cast<int>(fin.size());
    QString recogido;
    for (;;) {
        const QByteArray ventana = Mayusculas(d.Leer(e, false));
        d.Avanzar(-(e - 1));
        // The window touched the last character: nothing more to find.
        if (d.Posicion() + e - 1 > d.Longitud()) return {};
        if (ventana != clave) continue;
        d.Avanzar(e - 1);
        for (;;) {
            // Past the last character there is no end to find: the run stops.
            const QByteArray trozo = d.Leer(f, true);
            d.Avanzar(-(f - 1));
            const bool ultimo = d.Posicion() == d.Longitud();
            if (trozo == fin || trozo == finMayusculas || ultimo) return recogido;
            QChar c = DecodificarByte(static_cast<unsigned char>(trozo.at(0)));
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

QByteArray Documento::Leer(int n, bool estricto) {
    if (posicion_ > datos_.size()) {
        if (estricto) throw FueraDelDocumento();
        posicion_ += n;
        return {};
    }
    const QByteArray r = datos_.mid(posicion_ - 1, n);
    posicion_ += n;
    return r;
}

QString busca(Documento& d, const QString& empieza, const QString& final, bool espacios) {
    return Buscar(d, empieza, final, espacios, false);
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
