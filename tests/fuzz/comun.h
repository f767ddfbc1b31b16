#pragma once
// What the fuzz targets share: a scratch folder in memory, the real draws, and everything the
// program does with the draws and syndicates it has read (the check, its list, the summaries,
// the statistics), so that a record read badly shows up wherever it is used.
#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/fichero_registros.h"
#include "core/juego.h"
#include "core/registros.h"
#include "core/resumen.h"
#include "core/sorteos.h"
#include "lists/lista_resultados.h"
#include "statistics/seleccion.h"
#include "support/ficheros.h"

namespace fuzz {

inline QByteArray Bytes(const uint8_t* datos, size_t tamano) {
    return QByteArray(reinterpret_cast<const char*>(datos), static_cast<qsizetype>(tamano));
}

// A folder under /dev/shm (or the temporary folder), the same for every run of a process and
// removed when it ends.
inline QString Carpeta() {
    static const QTemporaryDir carpeta((QDir(QStringLiteral("/dev/shm")).exists()
                                            ? QStringLiteral("/dev/shm")
                                            : QDir::tempPath()) +
                                       QStringLiteral("/tombolin-fuzz-XXXXXX"));
    return carpeta.path();
}

// Writes `bytes` as the file `nombre` of that folder; returns its path.
inline QString Escribir(const char* nombre, const QByteArray& bytes) {
    const QString ruta = Carpeta() + QLatin1Char('/') + QLatin1String(nombre);
    tombolin::pruebas::EscribirBytes(ruta, bytes);
    return ruta;
}

// The shipped history's last 60 draws.
inline const std::vector<tombolin::Sorteo>& SorteosReales() {
    static const std::vector<tombolin::Sorteo> sorteos(tombolin::pruebas::Historia().end() - 60,
                                                       tombolin::pruebas::Historia().end());
    return sorteos;
}

// Every cell of a results list (as many rows as a window would scroll through).
inline void Recorrer(const tombolin::ListaResultados& lista) {
    const int filas = std::min(lista.Filas(), 20000);
    for (int f = 0; f < filas; ++f) {
        lista.TipoFila(f);
        for (int c = 0; c < lista.Columnas(); ++c) {
            lista.Texto(f, c);
            lista.Color(f, c);
        }
    }
}

// What the program does with the draws and syndicates read at start and after a check.
inline void Usar(const std::vector<tombolin::Sorteo>& sorteos, std::vector<tombolin::Pena> penas) {
    const QDate hoy(2026, 12, 6);
    tombolin::CalcularActualizacion(sorteos, penas, hoy);
    for (const auto& p : penas) {
        tombolin::TipoDePena(p);
        const int usadas = tombolin::LineasEnUso(p);
        const int numeros = tombolin::NumerosPorLinea(p);
        for (int i = 0; i < usadas && i < static_cast<int>(p.Apuestas.size()); ++i)
            tombolin::TextoApuesta(p.Apuestas[static_cast<size_t>(i)], numeros);
        tombolin::CalcularFicha(p, sorteos);
        for (const auto& s : sorteos) tombolin::JuegaSorteo(p, s);
    }
    for (bool historico : {false, true}) {
        tombolin::OpcionesComprobacion o;
        o.Historico = historico;
        o.BuscarPremios = true;
        const auto c =
            tombolin::ComprobarSencillas(sorteos, penas, static_cast<int>(sorteos.size()), o);
        Recorrer(c.Sencilla);
        Recorrer(c.Multiple);
    }
    tombolin::CalcularResumen(penas, static_cast<int>(sorteos.size()));
}

}  // namespace fuzz
