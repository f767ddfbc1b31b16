#include "penas_prueba.h"

#include <algorithm>
#include <set>

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

bool JuegaAMano(const Pena& p, const Sorteo& s) {
    static const std::map<QString, std::set<int>> kDias = {{"Todos (L+J+S)", {1, 4, 6}},
                                                           {"Jueves", {4}},
                                                           {"Sábado", {6}},
                                                           {"Lunes", {1}},
                                                           {"Jueves y Sábado", {4, 6}}};
    const QDate f = OleAFecha(s.Fecha);
    return kDias.at(p.DiasVisibles()).count(f.dayOfWeek()) && f >= OleAFecha(p.FechaCreacion);
}

std::vector<std::set<int>> Expandir(const Pena& p) {
    std::vector<std::set<int>> r;
    if (p.NumApuestas < 500) {
        for (int l = 0; l < p.NumApuestas; ++l)
            r.push_back({p.Apuestas[l].Columnas.begin(), p.Apuestas[l].Columnas.begin() + 6});
        return r;
    }
    static const std::map<int, int> kNumeros = {{501, 7}, {502, 8},  {503, 5},
                                                {504, 9}, {505, 10}, {506, 11}};
    const int n = kNumeros.at(p.NumApuestas);
    const std::vector<int> numeros(p.Apuestas[0].Columnas.begin(),
                                   p.Apuestas[0].Columnas.begin() + n);
    if (n == 5) {  // the five and any other number
        for (int x = 1; x <= 49; ++x) {
            std::set<int> a(numeros.begin(), numeros.end());
            if (a.insert(x).second) r.push_back(a);
        }
        return r;
    }
    std::vector<bool> elegir(6, true);
    elegir.resize(static_cast<size_t>(n), false);
    do {
        std::set<int> a;
        for (int i = 0; i < n; ++i)
            if (elegir[static_cast<size_t>(i)]) a.insert(numeros[static_cast<size_t>(i)]);
        r.push_back(a);
    } while (std::prev_permutation(elegir.begin(), elegir.end()));
    return r;
}

std::map<int, int> ContarAMano(const Pena& p, const std::vector<Sorteo>& sorteos) {
    std::map<int, int> cuenta;
    const std::vector<std::set<int>> apuestas = Expandir(p);
    for (const Sorteo& s : sorteos) {
        if (!JuegaAMano(p, s)) continue;
        const std::set<int> seis(s.Numeros.begin(), s.Numeros.end());
        for (const std::set<int>& a : apuestas) {
            int k = 0;
            for (int x : a) k += static_cast<int>(seis.count(x));
            if (k >= 3) ++cuenta[k == 5 && a.count(s.Complementario) ? 7 : k];
        }
    }
    return cuenta;
}

}  // namespace tombolin::pruebas
