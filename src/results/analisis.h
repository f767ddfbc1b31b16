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
    // The new draws to store, in document order (newest first): the valid draws older than any
    // bad or not yet scrutinised entry, so that the draws file never has a hole.
    std::vector<Sorteo> Nuevos;
    // New entries left for a later download because a bad draw stands among them: the bad ones
    // and every newer one (a draw not yet scrutinised is not counted: it is not new yet).
    int NoGuardados = 0;
    // The date of the oldest bad draw, when there is one.
    QDate FechaMala;
    // The date of the oldest draw not yet scrutinised that holds newer ones back, if any.
    QDate FechaPendiente;
    // The document could not be read through (a read past its end, a date that is no date,
    // more than 50 new draws...): nothing of it may be stored.
    bool Fallo = false;
    // Draws read before the fault.
    int LeidosAntesDelFallo = 0;
};

// Reads the draws later than `fechaUltimo` (OLE date of the newest draw held) from the results
// document as "www.txt" holds it, every entry of it: the answer must have been found whole first
// (ExaminarRespuesta). A draw with a zero number, complementario or Joker is bad; so
// is one that no real draw could be (numbers outside 1..49 or repeated, a reintegro outside
// 0..9, a date after `hoy`). An entry whose combination is null has not been scrutinised yet.
LecturaSorteos LeerSorteosNuevos(const QByteArray& documento, double fechaUltimo, QDate hoy);

// What an answer of the service is, by Qt's JSON parser, before any of it is kept or read.
enum class FormaRespuesta {
    Lista,       // a whole list of entries
    SinSorteos,  // the service's lone JSON text for a period without draws, or an empty list
    Incompleta,  // JSON cut short on the way, or spoilt
    Otra,        // no answer of the service: a web page, an object, a list of other things
};
FormaRespuesta ExaminarRespuesta(const QByteArray& cuerpo);

// Keeps only the characters whose Windows-1252 code is 33 to 122: no blanks, no accented letters.
QString raros(const QString& texto);

struct CategoriaDesglose {
    // The category as the document names it ("2ª (5 aciertos + C)"); empty in documents that
    // give only one text per category.
    QString Nombre;
    // What it paid: "34.554,98 € — 6 acertantes", "Bote", "—"; or that one text, through `raros`.
    QString Premio;
    // "Nombre: Premio", or Premio alone.
    QString Linea() const {
        return Nombre.isEmpty() ? Premio : Nombre + QStringLiteral(": ") + Premio;
    }
};

struct Desglose {
    // The six categories (Especial, 1ª to 5ª) of the draw; empty when the document has no
    // breakdown where it should be.
    std::optional<std::array<CategoriaDesglose, 6>> Categorias;
    // The path of its official PDF on the operator's site, or empty.
    QString RutaPdf;
};

// The breakdown of the draw of `fecha` (OLE date) when the document has it, else of the
// document's first entry. A PDF address counts only as a path on the operator's site: a path,
// or a full address on `hostOperador`.
Desglose LeerDesglose(const QByteArray& documento, double fecha = 0,
                      const QString& hostOperador = QStringLiteral("www.loteriasyapuestas.es"));

// The maker's web address announced by the news file ("web:" ... ">"), blanks read as "/";
// empty when there is none or it could not be one.
QString DireccionEnNoticias(const QByteArray& informe);

// "www.txt" holds the document as one quoted item: a double quote, the text, a double quote,
// CR LF.
QByteArray ComoElementoEntrecomillado(const QByteArray& documento);

}  // namespace tombolin
