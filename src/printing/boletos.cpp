#include "printing/boletos.h"

#include "core/juego.h"

namespace tombolin {

namespace {

constexpr double kPuntosMarca = 11.5;
constexpr int kBloques = 8;
const QString kMarcaPrograma = QStringLiteral("TOMBOLIN");

// Each multiple's code is told by an X 10 mm below one number of one block.
struct MarcaMultiple {
    int numero;
    int bloque;
};
constexpr MarcaMultiple kMarcasMultiples[] = {{39, 1}, {9, 2}, {19, 1}, {29, 2}, {49, 2}, {19, 3}};

void Marcar(Impresora& imp, PuntoMm p) {
    imp.Texto(p.x, p.y, QStringLiteral("X"));
}

// The slip's number boxes, drawn faint around where each X falls.
void Guia(Impresora& imp, double baseX, double baseY) {
    imp.Tenue(true);
    imp.Negrita(false);
    imp.TamanoFuente(5);
    for (int bloque = 1; bloque <= kBloques; ++bloque) {
        for (int n = 1; n <= 49; ++n) {
            const PuntoMm p = PosicionNumero(n, bloque, baseX, baseY);
            imp.Caja(p.x - 0.15, p.y + 0.2, 3.0, 4.0, false);
            // The box's number inside it, small, where the X will cover it.
            imp.Texto(p.x + (n < 10 ? 0.95 : 0.55), p.y + 1.3, QString::number(n));
        }
    }
    imp.Tenue(false);
    imp.Negrita(true);
    imp.TamanoFuente(kPuntosMarca);
}

void Contorno(Impresora& imp, const Pena& pena, double d) {
    imp.Caja(kHojaNormalX, d + kHojaNormalY, kHojaNormalAncho, kHojaNormalAlto, false);
    imp.Caja(23.8, d + 117.3, 3, 2.5, true);
    imp.Caja(174.5, d + 117.3, 3, 2.5, true);
    imp.Caja(22.5, d + 44, 4, 1, true);
    const QString dias = pena.DiasVisibles();
    const bool dosDias =
        dias == QStringLiteral("Jueves y Sábado") || dias == QStringLiteral("Todos (L+J+S)");
    imp.Caja(22.5, d + (dosDias ? 56 : 62), 4, 1, true);
    imp.Caja(22.5, d + (dosDias ? 86 : 74), 4, 1, true);
}

}  // namespace

int BoletosNecesarios(const Pena& pena) {
    switch (TipoDePena(pena)) {
        case TipoPena::Sencilla:
            return (pena.NumApuestas + kBloques - 1) / kBloques;
        case TipoPena::Multiple:
            return 1;
        case TipoPena::Danada:
            break;
    }
    return 0;
}

PuntoMm PosicionNumero(int n, int bloque, double baseX, double baseY) {
    const int columna = n / 10;
    const int fila = n % 10;
    return {baseX + 3.8 * columna + 19.2 * (bloque - 1), baseY + 5.0 * fila};
}

void ImprimirBoletos(Impresora& imp, const Pena& pena, const OpcionesBoletos& o) {
    const bool oficial = o.papel == Papel::Oficial;
    const int boletos = BoletosNecesarios(pena);
    const int lineas = LineasEnUso(pena);
    const int numeros = NumerosPorLinea(pena);
    const QString nombre = pena.NombreVisible();
    const double baseX = oficial ? o.ajusteX : 0;
    const double baseY = oficial ? o.ajusteY : 0;
    imp.Negrita(true);
    imp.TamanoFuente(kPuntosMarca);
    int linea = 0;
    for (int boleto = 1; boleto <= boletos; ++boleto) {
        const double d = (!oficial && boleto % 2 == 0) ? kSeparacionNormal : 0;
        const double origenX = oficial ? 0 : kOrigenNormalX;
        const double origenY = oficial ? 0 : kOrigenNormalY + d;
        const auto posicion = [&](int n, int bloque) {
            PuntoMm p = PosicionNumero(n, bloque, baseX, baseY);
            return PuntoMm{p.x + origenX, p.y + origenY};
        };
        if (oficial && o.guia) Guia(imp, baseX, baseY);
        if (!oficial) Contorno(imp, pena, d);
        for (int bloque = 1; bloque <= kBloques; ++bloque) {
            if (++linea > lineas) continue;
            const Apuesta& a = pena.Apuestas[linea - 1];
            for (int k = 0; k < numeros; ++k) {
                const int n = a.Columnas[k];
                // A number that can't be on the slip is not marked anywhere.
                if (n >= 1 && n <= 49) Marcar(imp, posicion(n, bloque));
            }
        }
        const QString cabecera = QStringLiteral("PEÑA ") + nombre + QStringLiteral(" (") +
                                 QString::number(boleto) + QStringLiteral("/") +
                                 QString::number(boletos) + QStringLiteral(")");
        if (oficial) {
            imp.Texto(o.ajusteX + 5, o.ajusteY - 7,
                      cabecera + QStringLiteral("     ") + kMarcaPrograma);
        } else {
            imp.Texto(32, d + 37, cabecera);
            imp.Texto(110, d + 97, QStringLiteral("Participación para: "));
            imp.Texto(110, d + 102, pena.DiasVisibles().toUpper());
            imp.TamanoFuente(18);
            imp.Texto(72.5, d + 25, kMarcaPrograma);
            imp.TamanoFuente(kPuntosMarca);
        }
        if (TipoDePena(pena) == TipoPena::Multiple) {
            const MarcaMultiple m = kMarcasMultiples[pena.NumApuestas - 501];
            PuntoMm p = posicion(m.numero, m.bloque);
            Marcar(imp, {p.x, p.y + 10});
        }
        if (o.jugarAl) {
            PuntoMm p = posicion(9, 8);
            Marcar(imp, {p.x, p.y + 10});
        }
        // No page after the last slip: an empty page would take a slip of its own.
        const bool ultimo = boleto == boletos;
        if (!ultimo && (oficial || boleto % 2 == 0)) imp.NuevaPagina();
    }
}

}  // namespace tombolin
