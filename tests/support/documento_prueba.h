#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <vector>

#include "core/registros.h"

namespace tombolin::pruebas {

// Stand-in results documents, older than the real shape (documento_real.h): they open every
// value the program reads with two double quotes, and the category texts are the "categoria"
// values themselves. The reader must keep reading them as it reads the real answers.
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
