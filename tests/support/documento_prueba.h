#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <vector>

#include "core/registros.h"

namespace tombolin::pruebas {

// Stand-in results documents of the operator's service. No real answer of the service is
// available; these follow what is known of it (dates as "2026-12-03 00:00:00", the combination
// as "NN - NN - NN - NN - NN - NN" with C(..) and R(..), the Joker in groups inside a "joker"
// object, an "escrutinio" list of categories, the PDF path under "documentos"/"urlContenido")
// and the markers the program reads by: the combination and every text it reads out follow two
// double quotes.
struct OpcionesDocumento {
    bool clavesEnMayusculas = false;  // "FECHA_SORTEO", "COMBINACION", "JOKER"
    bool jokerConBlancos = true;      // "0 091 862" rather than "0091862"
};

// One document with the given draws, newest first.
QByteArray DocumentoResultados(const std::vector<Sorteo>& masRecienteAntes,
                               const OpcionesDocumento& opciones = {});

// The draws of the 100 days up to `hoy`, newest first, taken from `historia` (oldest first).
std::vector<Sorteo> CienDias(const std::vector<Sorteo>& historia, QDate hoy);

}  // namespace tombolin::pruebas
