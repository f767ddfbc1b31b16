#include "checking/comprobacion.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "checking/aciertos.h"
#include "checking/tabla_premios.h"
#include "core/fechas.h"
#include "core/juego.h"

namespace tombolin {

namespace {

// Bit n for each number n from 1 to 49; anything else is never a hit.
uint64_t Bit(int numero) {
    return numero >= 1 && numero <= 49 ? uint64_t{1} << numero : 0;
}

QString TextoAvisoSencilla(int aciertos, bool conComplementario) {
    if (aciertos == 5 && conComplementario)
        return QStringLiteral("¡¡ Premio !! 5 + COMPLEMENTARIO");
    return QStringLiteral("¡¡ Premio !! Has acertado ") + QString::number(aciertos) +
           QStringLiteral(" números.");
}

int CategoriaSencilla(int aciertos, bool conComplementario) {
    return aciertos == 5 && conComplementario ? kCategoria5MasC : aciertos;
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

void SumarContador(int16_t& contador, int cuenta) {
    const int suma = contador + cuenta;
    if (suma <= 32767 && suma >= -32768) contador = static_cast<int16_t>(suma);
}

// What the lists read their cells from: the draws and the syndicates as they were checked.
class DatosComprobacion {
  public:
    struct SorteoPreparado {
        uint64_t mascara;
        uint64_t complementario;  // its bit
        double fecha;
        DiaSorteo dia;
    };
    struct PenaPreparada {
        TipoPena tipo = TipoPena::Danada;
        int codigo = 0;   // NumApuestas of a multiple
        int numeros = 0;  // per line
        int lineas = 0;
        ReglaJuego regla;
        bool elegida = false;
        QString titulo;                  // "PEÑA " + the name as stored
        std::vector<uint64_t> mascaras;  // one per line
        std::vector<int16_t> valores;    // the numbers, `numeros` per line
    };

    std::vector<Sorteo> sorteos;
    std::vector<SorteoPreparado> preparados;
    std::vector<PenaPreparada> penas;
};

class Comprobador {
  public:
    Comprobador(const std::vector<Sorteo>& sorteos, const std::vector<Pena>& penas,
                const OpcionesComprobacion& o)
        : opciones_(o), datos_(std::make_shared<DatosComprobacion>()) {
        datos_->sorteos = sorteos;
        for (const Sorteo& s : sorteos) {
            uint64_t m = 0;
            for (int16_t n : s.Numeros) m |= Bit(n);
            datos_->preparados.push_back({m, Bit(s.Complementario), s.Fecha, DiaDeSorteo(s.Fecha)});
        }
        for (const Pena& p : penas) datos_->penas.push_back(PrepararPena(p));
    }

    DatosComprobacion::PenaPreparada PrepararPena(const Pena& p) const {
        DatosComprobacion::PenaPreparada r;
        // A damaged record has no lines: it is neither listed nor counted, as its card says.
        r.tipo = TipoDePena(p);
        r.codigo = p.NumApuestas;
        r.numeros = NumerosPorLinea(p);
        r.lineas = LineasEnUso(p);
        r.regla = ReglaJuego::De(p);
        r.elegida = opciones_.EntradaElegida < 1 || p.Nombre == opciones_.NombreElegido;
        QString nombre = p.Nombre;
        for (QChar& c : nombre) {
            if (!c.isPrint()) c = QLatin1Char('?');
        }
        r.titulo = QStringLiteral("PEÑA ") +
                   nombre.leftJustified(Pena::kAnchoNombre, QLatin1Char(' '), true);
        for (int l = 0; l < r.lineas; ++l) {
            uint64_t m = 0;
            for (int c = 0; c < r.numeros; ++c) {
                const int16_t x = p.Apuestas[l].Columnas[c];
                m |= Bit(x);
                r.valores.push_back(x);
            }
            r.mascaras.push_back(m);
        }
        return r;
    }

    bool Listado(const DatosComprobacion::PenaPreparada& p,
                 const DatosComprobacion::SorteoPreparado& s) const {
        return (opciones_.Historico || p.regla.Creada(s.dia)) && p.regla.DiaDeJuego(s.dia);
    }

    // Adds the prizes of every stored draw newer than the syndicate's FechaComprobado, and moves
    // that date up to the newest draw. Never back: after the newest draw is deleted, it would
    // count that draw's prizes again when the draw comes back. Returns whether the record changed.
    bool Contar(Pena& pena, const DatosComprobacion::PenaPreparada& p) const {
        const auto& sorteos = datos_->preparados;
        bool cambia = false;
        std::vector<uint8_t> premiadas;
        for (const auto& s : sorteos) {
            if (!(pena.FechaComprobado < s.fecha) || !p.regla.Juega(s.dia)) continue;
            if (p.tipo == TipoPena::Multiple) {
                const int k = std::popcount(p.mascaras[0] & s.mascara);
                const bool c = (p.mascaras[0] & s.complementario) != 0;
                for (const AvisoMultiple& a : AvisosMultiple(p.codigo, k, c)) {
                    const int16_t antes = pena.Aciertos[a.Categoria];
                    SumarContador(pena.Aciertos[a.Categoria], a.Apuestas);
                    cambia |= antes != pena.Aciertos[a.Categoria];
                }
                continue;
            }
            premiadas.clear();
            LineasConPremio(p.mascaras.data(), p.lineas, s.mascara, premiadas);
            for (uint8_t l : premiadas) {
                const int k = std::popcount(p.mascaras[l] & s.mascara);
                const int cat = CategoriaSencilla(k, (p.mascaras[l] & s.complementario) != 0);
                const int16_t antes = pena.Aciertos[cat];
                SumarContador(pena.Aciertos[cat], 1);
                cambia |= antes != pena.Aciertos[cat];
            }
        }
        const double masReciente = sorteos.back().fecha;
        if (pena.FechaComprobado < masReciente) {
            pena.FechaComprobado = masReciente;
            cambia = true;
        }
        return cambia;
    }

    void ListarSencillas(ListaResultados& lista, int desde, int hasta, Comprobacion& r,
                         const std::function<void(int)>& progreso) const {
        lista.multiple_ = false;
        lista.todasLasLineas_ = !opciones_.SoloPremios;
        // One allocation for the blocks: growing a vector of a hundred thousand of them by
        // copies costs more than the whole check.
        lista.bloques_.reserve(static_cast<size_t>(hasta - desde + 1) *
                               Cuantas(TipoPena::Sencilla));
        int fila = 0;
        int paso = 0;
        for (int d = hasta; d >= desde; --d) {
            if (progreso) progreso(++paso);
            const auto& s = datos_->preparados[d];
            for (size_t i = 0; i < datos_->penas.size(); ++i) {
                const auto& p = datos_->penas[i];
                if (p.tipo != TipoPena::Sencilla || !p.elegida || !Listado(p, s)) continue;
                ListaResultados::Bloque b{d, static_cast<int32_t>(i), fila,
                                          static_cast<int32_t>(lista.lineas_.size())};
                int lineas = p.lineas;
                if (opciones_.SoloPremios) {
                    LineasConPremio(p.mascaras.data(), p.lineas, s.mascara, lista.lineas_);
                    lineas = static_cast<int>(lista.lineas_.size()) - b.detalle;
                    if (lineas == 0) continue;
                    r.PremioSencilla = true;
                } else if (opciones_.BuscarPremios && !r.PremioSencilla) {
                    r.PremioSencilla = HayPremio(p.mascaras.data(), p.lineas, s.mascara);
                }
                lista.bloques_.push_back(b);
                fila += 3 + lineas;
            }
        }
        lista.filas_ = fila;
    }

    void ListarMultiples(ListaResultados& lista, int desde, int hasta, Comprobacion& r) const {
        lista.multiple_ = true;
        lista.bloques_.reserve(static_cast<size_t>(hasta - desde + 1) *
                               Cuantas(TipoPena::Multiple));
        int fila = 0;
        for (int d = hasta; d >= desde; --d) {
            const auto& s = datos_->preparados[d];
            for (size_t i = 0; i < datos_->penas.size(); ++i) {
                const auto& p = datos_->penas[i];
                if (p.tipo != TipoPena::Multiple || !p.elegida || !Listado(p, s)) continue;
                const int k = std::popcount(p.mascaras[0] & s.mascara);
                const bool c = (p.mascaras[0] & s.complementario) != 0;
                const bool premio = k > 2 || (p.codigo == 503 && k == 2);
                if (opciones_.SoloPremios && !premio) continue;
                r.PremioMultiple |= premio;
                lista.bloques_.push_back({d, static_cast<int32_t>(i), fila,
                                          k | (c ? 1 << 8 : 0) | (premio ? 1 << 9 : 0)});
                fila += lista.FilasDeBloque(lista.bloques_.size() - 1);
            }
        }
        lista.filas_ = fila;
    }

    std::shared_ptr<const DatosComprobacion> Datos() const { return datos_; }

    // Syndicates of one kind that passed the chooser.
    size_t Cuantas(TipoPena tipo) const {
        return static_cast<size_t>(
            std::count_if(datos_->penas.begin(), datos_->penas.end(),
                          [&](const auto& p) { return p.tipo == tipo && p.elegida; }));
    }

    void Empezar(ListaResultados& lista, bool multiple) const {
        lista.datos_ = datos_;
        lista.multiple_ = multiple;
    }

  private:
    OpcionesComprobacion opciones_;
    std::shared_ptr<DatosComprobacion> datos_;
};

Comprobacion ComprobarSencillas(const std::vector<Sorteo>& sorteos, std::vector<Pena>& penas, int n,
                                const OpcionesComprobacion& opciones,
                                const std::function<void(int)>& progreso) {
    Comprobacion r;
    Comprobador c(sorteos, penas, opciones);
    c.Empezar(r.Sencilla, false);
    c.Empezar(r.Multiple, true);
    const int total = static_cast<int>(sorteos.size());
    n = std::clamp(n, 0, total);
    if (n == 0) return r;

    const auto& preparadas = c.Datos()->penas;
    for (size_t i = 0; i < penas.size(); ++i) {
        if (!preparadas[i].elegida || preparadas[i].tipo == TipoPena::Danada) continue;
        (preparadas[i].tipo == TipoPena::Multiple ? r.MultipleElegida : r.SencillaElegida) = true;
        if (c.Contar(penas[i], preparadas[i])) r.PenasCambiadas.push_back(static_cast<int>(i));
    }
    c.ListarSencillas(r.Sencilla, total - n, total - 1, r, progreso);
    if (r.MultipleElegida) c.ListarMultiples(r.Multiple, total - n, total - 1, r);
    return r;
}

// The rows of a list.

QString ListaResultados::Cabecera(bool multiple, int columna) {
    const int ultima = multiple ? 12 : 7;
    if (columna == ultima) return QStringLiteral("Comentario");
    return QString::number(columna + 1);
}

int ListaResultados::FilasDeBloque(size_t i) const {
    const Bloque& b = bloques_[i];
    if (!multiple_) {
        if (i + 1 < bloques_.size()) return bloques_[i + 1].fila - b.fila;
        return filas_ - b.fila;
    }
    const auto& p = datos_->penas[b.pena];
    const bool premio = (b.detalle >> 9) & 1;
    int filas = 4;
    if (premio) {
        const auto& avisos = AvisosMultiple(p.codigo, b.detalle & 0xFF, (b.detalle >> 8) & 1);
        if (avisos.size() > 1) filas += static_cast<int>(avisos.size()) - 1;
        if (p.codigo == 503) ++filas;
    }
    return filas;
}

ListaResultados::Ubicacion ListaResultados::Ubicar(int fila) const {
    const auto it = std::upper_bound(bloques_.begin(), bloques_.end(), fila,
                                     [](int f, const Bloque& b) { return f < b.fila; });
    const size_t i = static_cast<size_t>(it - bloques_.begin()) - 1;
    return {i, fila - bloques_[i].fila};
}

int ListaResultados::LineaDeFila(const Ubicacion& u) const {
    const int l = u.desplazamiento - 3;
    return todasLasLineas_ ? l : lineas_[bloques_[u.bloque].detalle + l];
}

ListaResultados::Tipo ListaResultados::TipoFila(int fila) const {
    if (fila < 0 || fila >= filas_) return Tipo::Vacia;
    const Ubicacion u = Ubicar(fila);
    switch (u.desplazamiento) {
        case 0:
            return Tipo::Vacia;
        case 1:
            return Tipo::TituloPena;
        case 2:
            return Tipo::Fecha;
        case 3:
            return multiple_ ? Tipo::Apuesta : Tipo::Linea;
    }
    if (!multiple_) return Tipo::Linea;
    const Bloque& b = bloques_[u.bloque];
    const auto& avisos =
        AvisosMultiple(datos_->penas[b.pena].codigo, b.detalle & 0xFF, (b.detalle >> 8) & 1);
    return u.desplazamiento - 3 < static_cast<int>(avisos.size()) ? Tipo::Aviso : Tipo::Vacia;
}

const std::vector<Sorteo>& ListaResultados::Sorteos() const {
    static const std::vector<Sorteo> ninguno;
    return datos_ ? datos_->sorteos : ninguno;
}

QString ListaResultados::TituloPena(size_t b) const {
    return datos_->penas[bloques_[b].pena].titulo;
}

ListaResultados::Celda ListaResultados::LeerCelda(int fila, int columna) const {
    if (fila < 0 || fila >= filas_) return {};
    const Ubicacion u = Ubicar(fila);
    const Bloque& b = bloques_[u.bloque];
    const auto& p = datos_->penas[b.pena];
    const auto& s = datos_->preparados[b.sorteo];
    const int comentario = Columnas() - 1;
    if (u.desplazamiento < 3) {
        if (columna != comentario || u.desplazamiento == 0) return {};
        if (u.desplazamiento == 1) return {p.titulo, kColorTituloPena};
        const QDate f = OleAFecha(s.fecha);
        return {FechaCorta(f) + QLatin1Char(' ') + diasemana(f), kColorFecha};
    }
    // A bet line, or the bet of a multiple and its notices.
    const int extra = u.desplazamiento - 3;
    const int l = multiple_ ? 0 : LineaDeFila(u);
    if ((extra == 0 || !multiple_) && columna >= 1 && columna <= p.numeros) {
        const int16_t x = p.valores[l * p.numeros + columna - 1];
        return {QString::number(x),
                (Bit(x) & s.mascara) ? std::optional(kColorAcierto) : std::nullopt};
    }
    if (columna != comentario) return {};
    const int k = std::popcount(p.mascaras[l] & s.mascara);
    const bool c = (p.mascaras[l] & s.complementario) != 0;
    if (!multiple_) {
        if (k < 3) return {};
        return {TextoAvisoSencilla(k, c), ColorAviso(CategoriaSencilla(k, c))};
    }
    if (!((b.detalle >> 9) & 1)) return {};
    const auto& avisos = AvisosMultiple(p.codigo, k, c);
    if (extra >= static_cast<int>(avisos.size())) return {};
    return {avisos[extra].Texto, ColorAviso(avisos[extra].Categoria)};
}

QString ListaResultados::Texto(int fila, int columna) const {
    return LeerCelda(fila, columna).texto;
}

std::optional<Rgb> ListaResultados::Color(int fila, int columna) const {
    return LeerCelda(fila, columna).color;
}

QString ListaResultados::TextoImpreso(int fila) const {
    QString t;
    const int numeros = multiple_ ? datos_->penas[bloques_[Ubicar(fila).bloque].pena].numeros : 6;
    for (int c = 1; c <= numeros; ++c) {
        const QString x = Texto(fila, c);
        if (x.toInt() < 10) t += QStringLiteral("  ");
        t += QStringLiteral("  ") + x;
    }
    const QString aviso = Texto(fila, Columnas() - 1);
    if (!aviso.isEmpty()) t += QStringLiteral("  ") + aviso;
    return t;
}

std::vector<QString> ListaResultados::AvisosSiguientes(int fila) const {
    std::vector<QString> r;
    if (!multiple_) return r;
    for (int f = fila + 1; f < filas_ && TipoFila(f) == Tipo::Aviso; ++f) {
        r.push_back(Texto(f, Columnas() - 1));
    }
    return r;
}

}  // namespace tombolin
