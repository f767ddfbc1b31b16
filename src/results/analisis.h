#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "core/registros.h"

// What the program reads out of the operator's results document, by its markers: the new draws
// (dates, combination with complementario and reintegro, Joker), the prize categories of the
// most recent draw and the address of its official PDF.
namespace tombolin {

// At most this many new draws are taken from one document.
inline constexpr int kMaximoSorteosNuevos = 50;

struct LecturaSorteos {
    // The new draws in document order (newest first), up to the first bad one.
    std::vector<Sorteo> Nuevos;
    // The document could not be read through (a read past its end, a date that is no date,
    // more than 50 new draws...): nothing of it may be stored.
    bool Fallo = false;
    // Draws read before the fault.
    int LeidosAntesDelFallo = 0;
};

// Reads the draws later than `fechaUltimo` (OLE date of the newest draw held) from the results
// document as "www.txt" holds it. A draw with a zero number, complementario or Joker is bad and
// ends the reading; so is one that no real draw could be (numbers outside 1..49 or repeated, a
// reintegro outside 0..9, a date after `hoy`).
LecturaSorteos LeerSorteosNuevos(const QByteArray& documento, double fechaUltimo, QDate hoy);

// Keeps only the characters whose Windows-1252 code is 33 to 122: no blanks, no accented letters.
QString raros(const QString& texto);

struct Desglose {
    // The six category texts of the most recent draw; empty when the document has no breakdown
    // where it should be.
    std::optional<std::array<QString, 6>> Categorias;
    // The path of its official PDF on the operator's site, or empty.
    QString RutaPdf;
};

Desglose LeerDesglose(const QByteArray& documento);

// The maker's web address announced by the news file ("web:" ... ">"), blanks read as "/";
// empty when there is none or it could not be one.
QString DireccionEnNoticias(const QByteArray& informe);

// "www.txt" holds the document as one quoted item: a double quote, the text, a double quote,
// CR LF.
QByteArray ComoElementoEntrecomillado(const QByteArray& documento);

}  // namespace tombolin
