#include "core/registros.h"

#include <QtEndian>
#include <bit>
#include <cstring>

#include "core/texto1252.h"

namespace tombolin {

namespace {

// Little-endian writers and readers at an offset of a record buffer.
void PonerI16(QByteArray& b, int off, int16_t v) {
    qToLittleEndian<qint16>(v, b.data() + off);
}
void PonerF32(QByteArray& b, int off, float v) {
    qToLittleEndian<quint32>(std::bit_cast<quint32>(v), b.data() + off);
}
void PonerF64(QByteArray& b, int off, double v) {
    qToLittleEndian<quint64>(std::bit_cast<quint64>(v), b.data() + off);
}
void PonerTexto(QByteArray& b, int off, const QString& t, int ancho) {
    std::memcpy(b.data() + off, CodificarCampo(t, ancho).constData(), ancho);
}

int16_t TomarI16(const char* b, int off) {
    return qFromLittleEndian<qint16>(b + off);
}
float TomarF32(const char* b, int off) {
    return std::bit_cast<float>(qFromLittleEndian<quint32>(b + off));
}
double TomarF64(const char* b, int off) {
    return std::bit_cast<double>(qFromLittleEndian<quint64>(b + off));
}

// Offsets of a Pena.
constexpr int kPenaNombre = 0;
constexpr int kPenaReducidaNumeros = 20;
constexpr int kPenaReducidaGarantia = 22;
constexpr int kPenaBase = 24;
constexpr int kPenaApuestas = 64;
constexpr int kPenaAciertos = 8264;
constexpr int kPenaDias = 8274;
constexpr int kPenaNumApuestas = 8289;
constexpr int kPenaFechaCreacion = 8291;
constexpr int kPenaFechaComprobado = 8299;

}  // namespace

QByteArray CodificarSorteo(const Sorteo& s) {
    QByteArray b(Sorteo::kLongitud, '\0');
    for (int i = 0; i < 6; ++i) PonerI16(b, 2 * i, s.Numeros[i]);
    PonerI16(b, 12, s.Complementario);
    PonerI16(b, 14, s.Reintegro);
    PonerF64(b, 16, s.Fecha);
    PonerF64(b, 24, s.Joker);
    return b;
}

Sorteo DecodificarSorteoAntiguo(const char* bytes) {
    Sorteo s;
    for (int i = 0; i < 6; ++i) s.Numeros[i] = TomarI16(bytes, 2 * i);
    s.Complementario = TomarI16(bytes, 12);
    s.Reintegro = TomarI16(bytes, 14);
    s.Fecha = TomarF64(bytes, 16);
    return s;
}

Sorteo DecodificarSorteo(const char* bytes) {
    Sorteo s = DecodificarSorteoAntiguo(bytes);
    s.Joker = TomarF64(bytes, 24);
    return s;
}

QString TextoVisible(const QString& campo) {
    QString t = campo;
    while (!t.isEmpty() && (t.back() == QLatin1Char(' ') || t.back() == QChar(u'\0'))) t.chop(1);
    for (QChar& c : t) {
        if (!c.isPrint()) c = QLatin1Char('?');
    }
    return t;
}

QString Pena::NombreVisible() const {
    return TextoVisible(Nombre);
}

QString Pena::DiasVisibles() const {
    return TextoVisible(DiasJuego);
}

QByteArray CodificarPena(const Pena& p) {
    QByteArray b(Pena::kLongitud, '\0');
    PonerTexto(b, kPenaNombre, p.Nombre, Pena::kAnchoNombre);
    PonerI16(b, kPenaReducidaNumeros, p.ReducidaNumeros);
    PonerI16(b, kPenaReducidaGarantia, p.ReducidaGarantia);
    for (int i = 0; i < 20; ++i) PonerI16(b, kPenaBase + 2 * i, p.Base[i]);
    for (int l = 0; l < Pena::kLineas; ++l) {
        for (int c = 0; c < Apuesta::kColumnas; ++c) {
            PonerI16(b, kPenaApuestas + Apuesta::kLongitud * l + 2 * c, p.Apuestas[l].Columnas[c]);
        }
    }
    for (int k = 3; k <= 7; ++k) PonerI16(b, kPenaAciertos + 2 * (k - 3), p.Aciertos[k]);
    PonerTexto(b, kPenaDias, p.DiasJuego, Pena::kAnchoDias);
    PonerI16(b, kPenaNumApuestas, p.NumApuestas);
    PonerF64(b, kPenaFechaCreacion, p.FechaCreacion);
    PonerF64(b, kPenaFechaComprobado, p.FechaComprobado);
    return b;
}

Pena DecodificarPena(const char* bytes) {
    Pena p;
    p.Nombre = DecodificarCampo(bytes + kPenaNombre, Pena::kAnchoNombre);
    p.ReducidaNumeros = TomarI16(bytes, kPenaReducidaNumeros);
    p.ReducidaGarantia = TomarI16(bytes, kPenaReducidaGarantia);
    for (int i = 0; i < 20; ++i) p.Base[i] = TomarI16(bytes, kPenaBase + 2 * i);
    for (int l = 0; l < Pena::kLineas; ++l) {
        for (int c = 0; c < Apuesta::kColumnas; ++c) {
            p.Apuestas[l].Columnas[c] =
                TomarI16(bytes, kPenaApuestas + Apuesta::kLongitud * l + 2 * c);
        }
    }
    for (int k = 3; k <= 7; ++k) p.Aciertos[k] = TomarI16(bytes, kPenaAciertos + 2 * (k - 3));
    p.DiasJuego = DecodificarCampo(bytes + kPenaDias, Pena::kAnchoDias);
    p.NumApuestas = TomarI16(bytes, kPenaNumApuestas);
    p.FechaCreacion = TomarF64(bytes, kPenaFechaCreacion);
    p.FechaComprobado = TomarF64(bytes, kPenaFechaComprobado);
    return p;
}

QByteArray CodificarConfiguracion(const Configuracion& c) {
    QByteArray b(Configuracion::kLongitud, '\0');
    std::memcpy(b.data() + 0, c.Reservado0.data(), 2);
    PonerF32(b, 2, c.AjusteX);
    PonerF32(b, 6, c.AjusteY);
    std::memcpy(b.data() + 10, c.Reservado10.data(), 2);
    PonerF32(b, 12, c.PrecioApuesta);
    PonerI16(b, 16, c.MesesMaximos);
    PonerTexto(b, 18, c.DireccionWeb, Configuracion::kAnchoDireccion);
    std::memcpy(b.data() + 78, c.Reservado78.data(), 8);
    return b;
}

Configuracion DecodificarConfiguracion(const char* bytes) {
    Configuracion c;
    std::memcpy(c.Reservado0.data(), bytes + 0, 2);
    c.AjusteX = TomarF32(bytes, 2);
    c.AjusteY = TomarF32(bytes, 6);
    std::memcpy(c.Reservado10.data(), bytes + 10, 2);
    c.PrecioApuesta = TomarF32(bytes, 12);
    c.MesesMaximos = TomarI16(bytes, 16);
    c.DireccionWeb = DecodificarCampo(bytes + 18, Configuracion::kAnchoDireccion);
    std::memcpy(c.Reservado78.data(), bytes + 78, 8);
    return c;
}

}  // namespace tombolin
