#include "penas_prueba.h"

#include "core/fechas.h"
#include "core/sorteos.h"
#include "ficheros.h"

namespace tombolin::pruebas {

namespace {

Pena Base(const QString& nombre, const QString& dias, QDate creacion) {
    Pena p;
    p.Nombre = nombre;
    p.DiasJuego = dias;
    p.FechaCreacion = FechaAOle(creacion);
    return p;
}

}  // namespace

Pena PenaSencilla(const QString& nombre, std::initializer_list<std::array<int, 6>> lineas,
                  const QString& dias, QDate creacion) {
    Pena p = Base(nombre, dias, creacion);
    int l = 0;
    for (const auto& linea : lineas) {
        for (int c = 0; c < 6; ++c) p.Apuestas[l].Columnas[c] = static_cast<int16_t>(linea[c]);
        ++l;
    }
    p.NumApuestas = static_cast<int16_t>(l);
    return p;
}

Pena PenaDeLineas(const QString& nombre, int lineas) {
    Pena p = PenaSencilla(nombre, {});
    p.NumApuestas = static_cast<int16_t>(lineas);
    for (int b = 0; b < lineas; ++b)
        for (int c = 0; c < 6; ++c)
            p.Apuestas[b].Columnas[c] = static_cast<int16_t>(1 + (b * 3 + c * 8) % 49);
    return p;
}

Pena PenaMultiple(const QString& nombre, int codigo, std::vector<int> numeros, const QString& dias,
                  QDate creacion) {
    Pena p = Base(nombre, dias, creacion);
    for (size_t c = 0; c < numeros.size(); ++c)
        p.Apuestas[0].Columnas[c] = static_cast<int16_t>(numeros[c]);
    p.NumApuestas = static_cast<int16_t>(500 + codigo);
    return p;
}

Pena PenaReducida(const QString& nombre, std::vector<int> base, int garantia,
                  std::initializer_list<std::array<int, 6>> lineas, const QString& dias,
                  QDate creacion) {
    Pena p = PenaSencilla(nombre, lineas, dias, creacion);
    p.ReducidaNumeros = static_cast<int16_t>(base.size());
    p.ReducidaGarantia = static_cast<int16_t>(garantia);
    for (size_t i = 0; i < base.size(); ++i) p.Base[i] = static_cast<int16_t>(base[i]);
    return p;
}

Sorteo UnSorteo(QDate fecha, std::array<int, 6> numeros, int c, int r, double joker) {
    return SorteoDe(fecha, numeros, c, r, joker);
}

void EscribirPenas(const QString& carpeta, const std::vector<Pena>& penas) {
    QByteArray b;
    for (const Pena& p : penas) b += CodificarPena(p);
    EscribirBytes(carpeta + QStringLiteral("/apuestas.dat"), b);
}

void EscribirSorteos(const QString& carpeta, const std::vector<Sorteo>& sorteos) {
    QByteArray b;
    for (const Sorteo& s : sorteos) b += CodificarSorteo(s);
    EscribirBytes(carpeta + QStringLiteral("/numeros.dat"), b);
}

}  // namespace tombolin::pruebas
