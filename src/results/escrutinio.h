#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <vector>

#include "core/importes.h"

// The prize breakdown of every entry of an answer of the operator's service: what each winner
// of each category was paid.
namespace tombolin {

struct CategoriaEscrutada {
    int Categoria = 0;  // by the hits its text names: 3..6, or 7 for "5 Aciertos + C"
    int Numero = 0;     // the service's own number for it, kept as it came
    QString Texto;      // "2ª (5 Aciertos + C)"
    PremioCategoria Premio;
};

struct EscrutinioSorteo {
    QDate Fecha;
    std::vector<CategoriaEscrutada> Categorias;  // only the five the prize counters count
};

// The category a breakdown's text names by its hits: "5ª (3 Aciertos)" is 3, "2ª (5 Aciertos +
// C)" is 7; 0 for what no bet line of ours can win ("Especial (6 Aciertos + R)", "Reintegro").
// Never by place or number: the service numbers them otherwise.
int CategoriaDeTexto(const QString& texto);

// The breakdowns of an answer (raw, or quoted as "www.txt" keeps it), entry by entry; an entry
// without a date or without a breakdown gives none.
std::vector<EscrutinioSorteo> LeerEscrutinios(const QByteArray& documento);

}  // namespace tombolin
