#pragma once

#include <QString>
#include <array>
#include <vector>

// The prize table of multiple bets: for each multiple code, number of hits and whether a number
// of the bet is the complementario, the notices shown, in order. The rows are kept as the
// literal texts users know; what each notice adds to the counters is read from its own words.
namespace tombolin {

// Prize categories in the order of the counters: 3, 4, 5 and 6 hits, and 7 = 5 + complementario.
inline constexpr int kCategoria5MasC = 7;

// The category of a simple line's prize.
inline int CategoriaSencilla(int aciertos, bool conComplementario) {
    return aciertos == 5 && conComplementario ? kCategoria5MasC : aciertos;
}

struct AvisoMultiple {
    QString Texto;  // "¡¡ Premio !! Tienes 4 apuestas de 3 aciertos."
    int Apuestas;   // 4
    int Categoria;  // 3..6, or 7 for 5 + complementario
};

// The notices of a multiple (NumApuestas 501..506) with `aciertos` hits; empty when
// the table has no row for them.
const std::vector<AvisoMultiple>& AvisosMultiple(int codigo, int aciertos, bool conComplementario);

}  // namespace tombolin
