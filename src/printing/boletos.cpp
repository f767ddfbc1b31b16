#include "printing/boletos.h"

#include <algorithm>

#include "core/configuracion.h"
#include "core/fechas.h"
#include "core/juego.h"
#include "core/tablas.h"

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

// The member's texts on a plain-paper ticket: small, at the largest size from kPuntosTexto down
// to kPuntosMinimos at which they fit their place.
constexpr double kPuntosTexto = 8, kPuntosMinimos = 5, kEntreColumnas = 3;

// A place on the first plain-paper ticket of a sheet (the second is kSeparacionNormal lower)
// that no X of the grid, no mark 10 mm below it and no other text of the ticket reaches.
struct Hueco {
    double x, y, ancho, alto;
};
// Beside "TOMBOLIN" (which ends at x 107), above the header.
constexpr Hueco kHuecoDatos{110, 22.5, 69.5, 14};
// Under blocks 1 to 4 and the marks below the grid (which end at y 104.6).
constexpr Hueco kHuecoApuestas{28.5, 105, 79.5, 18.5};
// Under the play days (which end at y 106.5), left of the corner mark.
constexpr Hueco kHuecoReducida{110, 107, 63.5, 16.5};

double AltoFila(double puntos) {
    return puntos * 25.4 / 72 * 1.2;
}

// A text cut at its blanks into rows no wider than `ancho`. A "-" stays with the number before
// it, so that no row starts with one.
QStringList Filas(const Impresora& imp, const QString& texto, double ancho) {
    QStringList palabras;
    for (const QString& p : texto.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (p == QLatin1String("-") && !palabras.isEmpty()) {
            palabras.back() += QStringLiteral(" -");
        } else {
            palabras << p;
        }
    }
    QStringList filas;
    for (const QString& p : palabras) {
        const QString junta = filas.isEmpty() ? p : filas.back() + QLatin1Char(' ') + p;
        if (!filas.isEmpty() && imp.AnchoTexto(junta) <= ancho) {
            filas.back() = junta;
        } else {
            filas << p;
        }
    }
    return filas;
}

// The texts in a place, in columns of even length filled one after the other. What doesn't fit
// even at kPuntosMinimos is left out: over a mark it would be of no use either.
void EscribirEn(Impresora& imp, const Hueco& h, double d, const QStringList& textos,
                int columnas = 1) {
    const double ancho = (h.ancho - kEntreColumnas * (columnas - 1)) / columnas;
    for (double puntos = kPuntosTexto;; puntos -= 0.5) {
        imp.TamanoFuente(puntos);
        QStringList filas;
        for (const QString& t : textos) filas << Filas(imp, t, ancho);
        const auto ancha = [&](const QString& f) { return imp.AnchoTexto(f) > ancho; };
        const int caben = static_cast<int>(h.alto / AltoFila(puntos));
        const bool sobran = filas.size() > caben * columnas || std::ranges::any_of(filas, ancha);
        if (sobran && puntos > kPuntosMinimos) continue;
        const int porColumna = std::min<int>(caben, (filas.size() + columnas - 1) / columnas);
        for (int i = 0; i < filas.size() && i < porColumna * columnas; ++i) {
            if (ancha(filas[i])) continue;
            imp.Texto(h.x + (i / porColumna) * (ancho + kEntreColumnas),
                      d + h.y + (i % porColumna) * AltoFila(puntos), filas[i]);
        }
        return;
    }
}

// What the member who holds the ticket reads: its lines (from `primera` to before `fin`) or the
// multiple, the base of a reduced system, the draws played and from when, the price of a draw.
void Participacion(Impresora& imp, const Pena& pena, const OpcionesBoletos& o, int primera, int fin,
                   double d) {
    const FormaApuesta lectura = FormaApuesta::Lectura;
    const int numeros = NumerosPorLinea(pena);
    imp.Negrita(false);
    QString sorteos = QStringLiteral("Sorteos: ") + pena.DiasVisibles();
    const QDate desde = OleAFecha(pena.FechaCreacion);
    if (desde.isValid()) sorteos += QStringLiteral(", desde el ") + FechaCorta(desde);
    EscribirEn(
        imp, kHuecoDatos, d,
        {sorteos,
         QStringLiteral("Precio por sorteo: ") + TextoEuros(CosteSorteo(pena, o.precioApuesta)),
         QStringLiteral("Los premios caducan a los tres meses del sorteo.")});
    if (TipoDePena(pena) == TipoPena::Multiple) {
        EscribirEn(imp, kHuecoApuestas, d,
                   {QStringLiteral("Múltiple de %1 números: ").arg(numeros) +
                    TextoApuesta(pena.Apuestas[0], numeros, lectura)});
    } else {
        QStringList lineas;
        for (int l = primera; l < fin; ++l)
            lineas << QStringLiteral("%1: ").arg(l + 1) +
                          TextoApuesta(pena.Apuestas[l], numeros, lectura);
        EscribirEn(imp, kHuecoApuestas, d, lineas, 2);
    }
    if (pena.ReducidaNumeros > 0) {
        // The base numbers are a row of up to 20, as the columns of a line are.
        const Apuesta base{pena.Base};
        EscribirEn(imp, kHuecoReducida, d,
                   {QStringLiteral("Reducida de ") +
                    TextoReducida(pena.ReducidaNumeros, pena.ReducidaGarantia, pena.NumApuestas) +
                    QStringLiteral(": ") + TextoApuesta(base, pena.ReducidaNumeros, lectura)});
    }
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
        const int primera = linea;
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
            Participacion(imp, pena, o, primera, std::min(linea, lineas), d);
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
