#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <vector>

#include "core/registros.h"

namespace tombolin::pruebas {

// Answers in the shape of the operator's results service, built from a real answer
// (tests/data/operador): compact JSON, the real key order, every character beyond ASCII escaped
// as "\u00aa", newest first.
struct OpcionesReal {
    // The keys of the answers of the 2020s: "numero", "combinacion_acta" (the numbers in drawn
    // order, right after "combinacion") and "contenidosRelacionados" closing the entry.
    bool clavesNuevas = true;
    // "documentos" names the official PDF (it is often an empty list).
    bool conPdf = false;
    // "0 091 862" as older answers wrote the Joker, rather than "0091862".
    bool jokerConBlancos = false;
    QString hora = QStringLiteral("21:40:00");
    // The older documents the program was first written against: the combination, the category
    // texts and the PDF path each after two quotes, each category one text ("68.452,10 €").
    bool antigua = false;
    bool clavesEnMayusculas = false;  // "FECHA_SORTEO", "COMBINACION", "JOKER"
};

// One entry. A draw not yet scrutinised has "combinacion":null and a Joker of "-".
QByteArray EntradaReal(const Sorteo& s, const OpcionesReal& o = {}, bool escrutado = true);

// A list of entries, newest first, after `primeras` (whole entries already written).
QByteArray ListaReal(const std::vector<Sorteo>& masRecienteAntes, const OpcionesReal& o = {},
                     const std::vector<QByteArray>& primeras = {});

// The real entry of the draw of 17/08/2017, verbatim.
QByteArray EntradaReal20170817();

// The service's answer when no draw was celebrated between the dates asked for: a lone JSON text.
inline constexpr const char* kRespuestaSinSorteos =
    "\"No existen sorteos para los criterios seleccionados\"";

// The service's answer for the draws celebrated from `desde` to `hasta`, both days included,
// taken from `historia` (oldest first): their entries newest first, or its message when there
// are none, as the service answers each request by its dates.
QByteArray RespuestaEntre(const std::vector<Sorteo>& historia, QDate desde, QDate hasta,
                          const OpcionesReal& o = {});

// Made-up draws for the days after the shipped history, each Monday, Thursday and Saturday
// from `desde` to `hasta`, and the one it lacks (11/07/2026): the service knows them, the file
// does not.
std::vector<Sorteo> Inventados(QDate desde, QDate hasta);

// The draws of the 100 days up to `hoy`, newest first, taken from `historia` (oldest first).
std::vector<Sorteo> CienDias(const std::vector<Sorteo>& historia, QDate hoy);

}  // namespace tombolin::pruebas
