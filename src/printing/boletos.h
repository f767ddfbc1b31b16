#pragma once

#include "core/impresora.h"
#include "core/registros.h"

// The bets of a syndicate printed on the operator's slips (an "X" in the box of each number) or
// on plain paper as participation tickets laid out like them, which also say in words what the
// member holds: the numbers, the draws, the price of one and when prizes lapse. Everything is in
// millimetres from the paper's edge.
namespace tombolin {

enum class Papel { Oficial = 0, Normal = 1 };

struct OpcionesBoletos {
    Papel papel = Papel::Oficial;
    // The corrections of the printer's margin, for the official slips.
    double ajusteX = 0;
    double ajusteY = 0;
    bool jugarAl = false;  // the "-Jugar al" box of the slip
    // The price of a bet (Configuracion::PrecioApuesta), for what a draw costs on plain paper.
    float precioApuesta = 0;
    // On screen only: the slip's number boxes, faint, under the marks.
    bool guia = false;
};

// Eight bets to a slip; one slip for a multiple; none for a damaged record.
int BoletosNecesarios(const Pena& pena);

struct PuntoMm {
    double x = 0;
    double y = 0;
};
// Where number n (1..49) of block 1..8 is marked, from the block grid's base point: columns by
// tens 3.8 mm apart (1-9, 10-19, ...), rows by the last digit 5 mm apart (10, 20, ... at the top,
// then 1, 11, 21, ...), blocks 19.2 mm apart.
PuntoMm PosicionNumero(int n, int bloque, double baseX, double baseY);

// The plain-paper ticket's outline box and grid origin, for ticket k (from 1) of a sheet.
inline constexpr double kHojaNormalX = 20, kHojaNormalY = 20, kHojaNormalAncho = 160.5,
                        kHojaNormalAlto = 104;
inline constexpr double kOrigenNormalX = 25.8, kOrigenNormalY = 45, kSeparacionNormal = 104;

// Prints every slip of the syndicate on a printer already started.
void ImprimirBoletos(Impresora& impresora, const Pena& pena, const OpcionesBoletos& opciones);

}  // namespace tombolin
