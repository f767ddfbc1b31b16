#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "core/registros.h"
#include "impresion.h"

namespace tombolin {
struct Estado;
}

namespace tombolin::pruebas {

QByteArray LeerBytes(const QString& ruta);
void EscribirBytes(const QString& ruta, const QByteArray& bytes);

// A file of six draw records built independently of the program's encoder: numbers, C, R,
// OLE date and Joker at the offsets of the record table.
QByteArray RegistroSorteoAMano(std::initializer_list<int> numeros, int c, int r, double fecha,
                               double joker);

// The shipped history of real draws, read once.
const std::vector<Sorteo>& Historia();

// A valid reduced-tables file, enough for start-up.
void PonerTablas(const QString& carpeta);

// Opens the data files of `carpeta` as the main window does at start.
void AbrirEstado(Estado& estado, const QString& carpeta);

}  // namespace tombolin::pruebas
