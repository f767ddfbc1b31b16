#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "checking/comprobacion.h"
#include "core/importes.h"

// The results lists as the user reads them, on screen and printed: the text and colour of each
// cell of a check's blocks, made when it is asked for.
namespace tombolin {

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kColorTituloPena{128, 0, 0};
inline constexpr Rgb kColorFecha{0, 128, 0};
inline constexpr Rgb kColorAcierto{255, 0, 0};
// Of a prize notice by category (3, 4, 5, 6 hits; 7 = 5 + complementario).
Rgb ColorAviso(int categoria);

// One results list: row r and column c are produced on demand. The comment column holds titles,
// dates and prize notices, the last one the amount of each prize; the others the numbers of a
// line or bet (and of the draw, on its date row).
class ListaResultados : public BloquesResultados {
  public:
    ListaResultados() = default;
    ListaResultados(BloquesResultados bloques) : BloquesResultados(std::move(bloques)) {}

    int Columnas() const { return Multiple() ? 14 : 9; }
    int ColumnaComentario() const { return Multiple() ? 12 : 7; }
    // The amounts the prize column reads; without them it stays empty.
    void PonerPremios(const PremiosGuardados* premios) { premios_ = premios; }
    static QString Cabecera(bool multiple, int columna);
    QString Texto(int fila, int columna) const;
    std::optional<Rgb> Color(int fila, int columna) const;

    // Text of a printed line of row `fila` (a bet line or a bet row with its first notice),
    // and the further notices of a multiple bet.
    QString TextoImpreso(int fila) const;
    std::vector<QString> AvisosSiguientes(int fila) const;
    // "PEÑA " and the name of block b's syndicate.
    QString TituloPena(size_t b) const;

  private:
    struct Celda {
        QString texto;
        std::optional<Rgb> color;
    };
    // Without `conTexto` only the colour is worked out: the view asks for it apart.
    Celda LeerCelda(int fila, int columna, bool conTexto) const;
    // "43,92 €" for `apuestas` prizes of `categoria` on the draw of `fecha`, or "importe
    // pendiente".
    QString TextoImporte(double fecha, int categoria, int apuestas) const;

    const PremiosGuardados* premios_ = nullptr;
};

}  // namespace tombolin
