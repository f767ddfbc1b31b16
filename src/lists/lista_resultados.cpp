#include "lists/lista_resultados.h"

#include <bit>

#include "checking/aciertos.h"
#include "checking/tabla_premios.h"
#include "core/configuracion.h"
#include "core/fechas.h"

namespace tombolin {

namespace {

QString TextoAvisoSencilla(int aciertos, bool conComplementario) {
    if (aciertos == 5 && conComplementario)
        return QStringLiteral("¡¡ Premio !! 5 + COMPLEMENTARIO");
    return QStringLiteral("¡¡ Premio !! Has acertado ") + QString::number(aciertos) +
           QStringLiteral(" números.");
}

// The name as the program shows it, padded to its width.
QString Titulo(const QString& nombre) {
    return QStringLiteral("PEÑA ") +
           TextoVisible(nombre).leftJustified(Pena::kAnchoNombre, QLatin1Char(' '), true);
}

}  // namespace

Rgb ColorAviso(int categoria) {
    switch (categoria) {
        case 3:
            return {0, 192, 0};
        case 4:
            return {0, 0, 255};
        case 5:
            return {64, 0, 64};
        case 6:
            return {255, 0, 0};
        case kCategoria5MasC:
            return {192, 64, 0};
    }
    return {};
}

QString ListaResultados::Cabecera(bool multiple, int columna) {
    const int comentario = multiple ? 12 : 7;
    if (columna == comentario) return QStringLiteral("Comentario");
    if (columna == comentario + 1) return QStringLiteral("Importe");
    // The first column holds nothing; the others, the numbers of each line and of the draw.
    if (columna == 0) return {};
    return QStringLiteral("Nº ") + QString::number(columna);
}

QString ListaResultados::TituloPena(size_t b) const {
    return Titulo(Datos().penas[Bloques()[b].pena].nombre);
}

ListaResultados::Celda ListaResultados::LeerCelda(int fila, int columna, bool conTexto) const {
    if (fila < 0 || fila >= Filas()) return {};
    const Ubicacion u = Ubicar(fila);
    const Bloque& b = Bloques()[u.bloque];
    const auto& p = Datos().penas[b.pena];
    const auto& s = Datos().preparados[b.sorteo];
    const int comentario = ColumnaComentario();
    if (u.desplazamiento == 2 && columna >= 1 && columna <= 6) {
        // The date row carries the draw's numbers, in ascending order, over the lines' numbers.
        uint64_t resto = s.mascara;
        for (int i = 1; i < columna; ++i) resto &= resto - 1;
        const int numero = std::countr_zero(resto);
        return {conTexto ? QString::number(numero) : QString(), kColorFecha};
    }
    if (u.desplazamiento < 3) {
        if (columna != comentario || u.desplazamiento == 0) return {};
        if (!conTexto) return {{}, u.desplazamiento == 1 ? kColorTituloPena : kColorFecha};
        if (u.desplazamiento == 1) return {Titulo(p.nombre), kColorTituloPena};
        const QDate f = OleAFecha(s.fecha);
        return {FechaCorta(f) + QLatin1Char(' ') + diasemana(f), kColorFecha};
    }
    // A bet line, or the bet of a multiple and its notices.
    const int extra = u.desplazamiento - 3;
    const int l = Multiple() ? 0 : LineaDeFila(u);
    if ((extra == 0 || !Multiple()) && columna >= 1 && columna <= p.numeros) {
        const int16_t x = p.valores[l * p.numeros + columna - 1];
        return {conTexto ? QString::number(x) : QString(),
                (BitNumero(x) & s.mascara) ? std::optional(kColorAcierto) : std::nullopt};
    }
    // A prize's notice, and its amount in the next cell.
    const bool importe = columna == comentario + 1;
    if (columna != comentario && !importe) return {};
    const int k = std::popcount(p.mascaras[l] & s.mascara);
    const bool c = (p.mascaras[l] & s.complementario) != 0;
    if (!Multiple()) {
        if (k < 3) return {};
        const int categoria = CategoriaSencilla(k, c);
        if (!conTexto) return {{}, ColorAviso(categoria)};
        return {importe ? TextoImporte(s.fecha, categoria, 1) : TextoAvisoSencilla(k, c),
                ColorAviso(categoria)};
    }
    if (!ConPremio(b)) return {};
    const auto& avisos = AvisosMultiple(p.codigo, k, c);
    if (extra >= static_cast<int>(avisos.size())) return {};
    const AvisoMultiple& a = avisos[extra];
    return {importe ? TextoImporte(s.fecha, a.Categoria, a.Apuestas) : a.Texto,
            ColorAviso(a.Categoria)};
}

QString ListaResultados::TextoImporte(double fecha, int categoria, int apuestas) const {
    if (!premios_) return {};
    const std::optional<int64_t> importe = ImportePremio(*premios_, OleAFecha(fecha), categoria);
    return importe ? TextoCentimos(*importe * apuestas) : QStringLiteral("importe pendiente");
}

QString ListaResultados::Texto(int fila, int columna) const {
    return LeerCelda(fila, columna, true).texto;
}

std::optional<Rgb> ListaResultados::Color(int fila, int columna) const {
    return LeerCelda(fila, columna, false).color;
}

QString ListaResultados::TextoImpreso(int fila) const {
    QString t;
    const int numeros = Multiple() ? Datos().penas[Bloques()[Ubicar(fila).bloque].pena].numeros : 6;
    for (int c = 1; c <= numeros; ++c) {
        const QString x = Texto(fila, c);
        if (x.toInt() < 10) t += QStringLiteral("  ");
        t += QStringLiteral("  ") + x;
    }
    const QString aviso = Texto(fila, ColumnaComentario());
    if (!aviso.isEmpty()) t += QStringLiteral("  ") + aviso;
    const QString importe = Texto(fila, ColumnaComentario() + 1);
    if (!importe.isEmpty()) t += QStringLiteral("  ") + importe;
    return t;
}

std::vector<QString> ListaResultados::AvisosSiguientes(int fila) const {
    std::vector<QString> r;
    if (!Multiple()) return r;
    for (int f = fila + 1; f < Filas() && TipoFila(f) == Tipo::Aviso; ++f) {
        const QString importe = Texto(f, ColumnaComentario() + 1);
        r.push_back(Texto(f, ColumnaComentario()) +
                    (importe.isEmpty() ? QString() : QStringLiteral("  ") + importe));
    }
    return r;
}

}  // namespace tombolin
