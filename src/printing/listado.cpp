#include "printing/listado.h"

#include "core/fechas.h"
#include "lists/lista_resultados.h"

namespace tombolin {

namespace {

// "3-11-20-28-40-44  C:9  R:6"; a draw that had no reintegro yet shows "R:-".
QString TextoSorteoImpreso(const Sorteo& s) {
    QString t;
    for (int i = 0; i < 6; ++i) {
        if (i) t += QLatin1Char('-');
        t += QString::number(s.Numeros[i]);
    }
    t += QStringLiteral("  C:") + QString::number(s.Complementario) + QStringLiteral("  R:") +
         (s.Reintegro == -1 ? QStringLiteral("-") : QString::number(s.Reintegro));
    return t;
}

class Listado {
  public:
    Listado(Impresora& i, const std::vector<Sorteo>& sorteos) : imp_(i), sorteos_(sorteos) {}

    void Seccion(const ListaResultados& lista) {
        // Each section heads its own first draw and syndicate.
        ultimoSorteo_ = -1;
        ultimaPena_ = -1;
        titulo_ = false;
        const auto& bloques = lista.Bloques();
        for (size_t b = 0; b < bloques.size(); ++b) {
            const int filas = lista.FilasDeBloque(b);
            if (lista.Multiple()) {
                Cabeceras(lista, b);
                const int apuesta = bloques[b].fila + 3;
                Linea(30, lista.TextoImpreso(apuesta));
                for (const QString& aviso : lista.AvisosSiguientes(apuesta)) Linea(83.3, aviso);
                continue;
            }
            for (int f = bloques[b].fila + 3; f < bloques[b].fila + filas; ++f) {
                Cabeceras(lista, b);
                Linea(30, lista.TextoImpreso(f));
            }
        }
    }

    bool HayImpreso() const { return hayImpreso_; }

  private:
    void Linea(double x, const QString& texto) {
        imp_.PonerX(x);
        imp_.ImprimirLinea(texto);
    }

    void Cabeceras(const ListaResultados& lista, size_t b) {
        const auto& bloque = lista.Bloques()[b];
        if (ultimaPena_ == bloque.pena && ultimoSorteo_ == bloque.sorteo) return;
        if (ultimoSorteo_ != bloque.sorteo) {
            if (!titulo_) Titulo(lista.Multiple());
            hayImpreso_ = true;
            imp_.ImprimirLinea({});
            imp_.TamanoFuente(18);
            const Sorteo& s = sorteos_[bloque.sorteo];
            Linea(20, QStringLiteral("Sorteo del ") + FechaCorta(OleAFecha(s.Fecha)) +
                          QStringLiteral("  ") + TextoSorteoImpreso(s));
            imp_.TamanoFuente(8.2);
            ultimoSorteo_ = bloque.sorteo;
        }
        imp_.ImprimirLinea({});
        Linea(30, lista.TituloPena(b));
        ultimaPena_ = bloque.pena;
    }

    void Titulo(bool multiple) {
        if (multiple && hayImpreso_) {
            // The multiple section starts on a page of its own, headed as the first one.
            imp_.NuevaPagina();
            EmpezarListado(imp_);
        }
        imp_.TamanoFuente(22);
        imp_.Negrita(true);
        Linea(multiple ? 70 : 50, multiple ? QStringLiteral("PEÑAS MÚLTIPLES")
                                           : QStringLiteral("PEÑAS SENCILLAS / REDUCIDAS"));
        imp_.Negrita(false);
        titulo_ = true;
    }

    Impresora& imp_;
    const std::vector<Sorteo>& sorteos_;
    int ultimoSorteo_ = -1;
    int ultimaPena_ = -1;
    bool titulo_ = false;
    bool hayImpreso_ = false;
};

}  // namespace

void EmpezarListado(Impresora& impresora) {
    impresora.Imagen(0, 5, QLatin1String(kCabeceraListado));
    impresora.PonerY(40);
}

bool ImprimirListado(Impresora& impresora, const Comprobacion& c, const PremiosGuardados* premios) {
    Listado l(impresora, c.Sencilla.Sorteos());
    for (const BloquesResultados* bloques : {&c.Sencilla, &c.Multiple}) {
        ListaResultados lista(*bloques);
        lista.PonerPremios(premios);
        l.Seccion(lista);
    }
    return l.HayImpreso();
}

}  // namespace tombolin
