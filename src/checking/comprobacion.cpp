#include "checking/comprobacion.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "checking/aciertos.h"
#include "checking/tabla_premios.h"
#include "core/configuracion.h"
#include "core/fechas.h"
#include "core/juego.h"

namespace tombolin {

void SumarContador(int16_t& contador, int cuenta) {
    const int suma = contador + cuenta;
    if (suma <= 32767 && suma >= -32768) contador = static_cast<int16_t>(suma);
}

class Comprobador {
  public:
    Comprobador(const std::vector<Sorteo>& sorteos, const std::vector<Pena>& penas,
                const OpcionesComprobacion& o)
        : opciones_(o), datos_(std::make_shared<DatosComprobacion>()) {
        datos_->sorteos = sorteos;
        for (const Sorteo& s : sorteos) {
            uint64_t m = 0;
            for (int16_t n : s.Numeros) m |= BitNumero(n);
            datos_->preparados.push_back(
                {m, BitNumero(s.Complementario), s.Fecha, DiaDeSorteo(s.Fecha)});
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
        r.nombre = p.Nombre;
        for (int l = 0; l < r.lineas; ++l) {
            uint64_t m = 0;
            for (int c = 0; c < r.numeros; ++c) {
                const int16_t x = p.Apuestas[l].Columnas[c];
                m |= BitNumero(x);
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
        bool cambia = SumarPremios(pena, p, [&](const DatosComprobacion::SorteoPreparado& s) {
            return pena.FechaComprobado < s.fecha;
        });
        const double masReciente = datos_->preparados.back().fecha;
        if (pena.FechaComprobado < masReciente) {
            pena.FechaComprobado = masReciente;
            cambia = true;
        }
        return cambia;
    }

    // Adds the prizes of the draws of `fechas` that the syndicate plays and that are older than
    // its FechaComprobado: draws put in their place after the syndicate was checked past them.
    bool ContarIntercalados(Pena& pena, const DatosComprobacion::PenaPreparada& p,
                            const std::vector<double>& fechas) const {
        return SumarPremios(pena, p, [&](const DatosComprobacion::SorteoPreparado& s) {
            return s.fecha < pena.FechaComprobado &&
                   std::find(fechas.begin(), fechas.end(), s.fecha) != fechas.end();
        });
    }

    // The one place where a draw's prizes reach the counters, for each draw `cuenta` takes
    // among those the syndicate plays.
    template <class Cuenta>
    bool SumarPremios(Pena& pena, const DatosComprobacion::PenaPreparada& p, Cuenta cuenta) const {
        bool cambia = false;
        std::vector<uint8_t> premiadas;
        for (const auto& s : datos_->preparados) {
            if (!cuenta(s) || !p.regla.Juega(s.dia)) continue;
            PremiosDelSorteo(p, s, premiadas, [&](int categoria, int apuestas) {
                const int16_t antes = pena.Aciertos[categoria];
                SumarContador(pena.Aciertos[categoria], apuestas);
                cambia |= antes != pena.Aciertos[categoria];
            });
        }
        return cambia;
    }

    // What a draw won the syndicate: `premio(categoria, apuestas)` for each category won (3..6,
    // 7 = 5 + complementario), a multiple's from the prize table of multiples, the others line
    // by line. The counters and the money both go by it.
    template <class Premio>
    static void PremiosDelSorteo(const DatosComprobacion::PenaPreparada& p,
                                 const DatosComprobacion::SorteoPreparado& s,
                                 std::vector<uint8_t>& premiadas, Premio premio) {
        if (p.tipo == TipoPena::Multiple) {
            const int k = std::popcount(p.mascaras[0] & s.mascara);
            const bool c = (p.mascaras[0] & s.complementario) != 0;
            for (const AvisoMultiple& a : AvisosMultiple(p.codigo, k, c))
                premio(a.Categoria, a.Apuestas);
            return;
        }
        premiadas.clear();
        LineasConPremio(p.mascaras.data(), p.lineas, s.mascara, premiadas);
        for (uint8_t l : premiadas) {
            const int k = std::popcount(p.mascaras[l] & s.mascara);
            premio(CategoriaSencilla(k, (p.mascaras[l] & s.complementario) != 0), 1);
        }
    }

    // Each draw's breakdown, or none, by the draw's place: looked up once for every syndicate.
    std::vector<const PremiosSorteo*> PorSorteo(const PremiosGuardados& premios) const {
        std::vector<const PremiosSorteo*> r;
        for (const auto& s : datos_->preparados) {
            const auto e = premios.find(OleAFecha(s.fecha));
            r.push_back(e == premios.end() ? nullptr : &e->second);
        }
        return r;
    }

    // Each draw from place `desde` on that syndicate i played since its start day, with its
    // prizes: `sorteo(d)` for each draw d, then `premio(categoria, apuestas)` for each prize.
    template <class AlSorteo, class AlPremio>
    void Jugados(size_t i, size_t desde, AlSorteo sorteo, AlPremio premio) const {
        const auto& p = datos_->penas[i];
        if (p.tipo == TipoPena::Danada) return;
        std::vector<uint8_t> premiadas;
        for (size_t d = desde; d < datos_->preparados.size(); ++d) {
            const auto& s = datos_->preparados[d];
            if (!p.regla.Juega(s.dia)) continue;
            sorteo(d);
            PremiosDelSorteo(p, s, premiadas, premio);
        }
    }

    // The same over every draw, with what each prize paid: `premio(categoria, apuestas, importe)`.
    template <class AlSorteo, class AlPremio>
    void Jugados(size_t i, const std::vector<const PremiosSorteo*>& premios, AlSorteo sorteo,
                 AlPremio premio) const {
        size_t dia = 0;
        Jugados(
            i, 0,
            [&](size_t d) {
                dia = d;
                sorteo(d);
            },
            [&](int categoria, int apuestas) {
                premio(categoria, apuestas, ImportePremio(premios[dia], categoria));
            });
    }

    std::vector<SorteoJugado> Jugados(size_t i, const PremiosGuardados& premios) const {
        std::vector<SorteoJugado> r;
        Jugados(
            i, PorSorteo(premios), [&](size_t d) { r.push_back({datos_->sorteos[d]}); },
            [&](int categoria, int apuestas, std::optional<int64_t> importe) {
                SorteoJugado& j = r.back();
                j.Premios[static_cast<size_t>(categoria - 3)] += apuestas;
                if (importe)
                    j.Ganado += *importe * apuestas;
                else
                    j.Pendientes += apuestas;
            });
        return r;
    }

    void ListarSencillas(BloquesResultados& lista, int desde, int hasta, Comprobacion& r,
                         const std::function<void(int)>& progreso) const {
        lista.multiple_ = false;
        lista.todasLasLineas_ = !opciones_.SoloPremios;
        auto contenido = std::make_shared<BloquesResultados::Contenido>();
        lista.contenido_ = contenido;
        auto& bloques = contenido->bloques;
        auto& guardadas = contenido->lineas;
        // One allocation for the blocks: growing a vector of a hundred thousand of them by
        // copies costs more than the whole check.
        bloques.reserve(static_cast<size_t>(hasta - desde + 1) * Cuantas(TipoPena::Sencilla));
        int fila = 0;
        int paso = 0;
        for (int d = hasta; d >= desde; --d) {
            if (progreso) progreso(++paso);
            const auto& s = datos_->preparados[d];
            for (size_t i = 0; i < datos_->penas.size(); ++i) {
                const auto& p = datos_->penas[i];
                if (p.tipo != TipoPena::Sencilla || !p.elegida || !Listado(p, s)) continue;
                BloquesResultados::Bloque b{d, static_cast<int32_t>(i), fila,
                                            static_cast<int32_t>(guardadas.size())};
                int lineas = p.lineas;
                if (opciones_.SoloPremios) {
                    LineasConPremio(p.mascaras.data(), p.lineas, s.mascara, guardadas);
                    lineas = static_cast<int>(guardadas.size()) - b.detalle;
                    if (lineas == 0) continue;
                    r.PremioSencilla = true;
                } else if (opciones_.BuscarPremios && !r.PremioSencilla) {
                    r.PremioSencilla = HayPremio(p.mascaras.data(), p.lineas, s.mascara);
                }
                bloques.push_back(b);
                fila += 3 + lineas;
            }
        }
        lista.filas_ = fila;
    }

    void ListarMultiples(BloquesResultados& lista, int desde, int hasta, Comprobacion& r) const {
        lista.multiple_ = true;
        auto contenido = std::make_shared<BloquesResultados::Contenido>();
        lista.contenido_ = contenido;
        auto& bloques = contenido->bloques;
        bloques.reserve(static_cast<size_t>(hasta - desde + 1) * Cuantas(TipoPena::Multiple));
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
                bloques.push_back({d, static_cast<int32_t>(i), fila,
                                   k | (c ? 1 << 8 : 0) | (premio ? 1 << 9 : 0)});
                fila += lista.FilasDeBloque(bloques.size() - 1);
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

    void Empezar(BloquesResultados& lista, bool multiple) const {
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

QString TextoGanado(const ImportesPena& d) {
    QString t = TextoCentimos(d.Ganado);
    if (d.GanadoNeto != d.Ganado)
        t += QStringLiteral(" brutos (") + TextoCentimos(d.GanadoNeto) + QStringLiteral(" netos)");
    if (d.Pendientes > 0)
        t += QStringLiteral(" y ") + QString::number(d.Pendientes) +
             (d.Pendientes == 1 ? QStringLiteral(" premio con importe pendiente")
                                : QStringLiteral(" premios con importe pendiente"));
    return t;
}

QString TextoGastado(const ImportesPena& d) {
    // What the draws played cost at today's price: a price changed since is not known.
    if (d.Sorteos == 0) return TextoCentimos(0);
    return QStringLiteral("%1 (%2 %3 a %4, al precio de hoy)")
        .arg(TextoCentimos(d.Gastado), QString::number(d.Sorteos),
             d.Sorteos == 1 ? QStringLiteral("sorteo") : QStringLiteral("sorteos"),
             TextoCentimos(d.Gastado / d.Sorteos));
}

std::vector<QDate> DiasSinImporte(const std::vector<Sorteo>& sorteos,
                                  const std::vector<Pena>& penas, const PremiosGuardados& premios) {
    const Comprobador c(sorteos, penas, {});
    const std::vector<const PremiosSorteo*> porSorteo = c.PorSorteo(premios);
    std::vector<bool> falta(sorteos.size(), false);
    for (size_t i = 0; i < penas.size(); ++i) {
        size_t dia = 0;
        c.Jugados(
            i, porSorteo, [&](size_t d) { dia = d; },
            [&](int, int, std::optional<int64_t> importe) { falta[dia] = falta[dia] || !importe; });
    }
    std::vector<QDate> r;
    for (size_t d = 0; d < sorteos.size(); ++d)
        if (falta[d]) r.push_back(OleAFecha(sorteos[d].Fecha));
    return r;
}

std::vector<SorteoJugado> SorteosJugados(const std::vector<Sorteo>& sorteos, const Pena& pena,
                                         const PremiosGuardados& premios) {
    return Comprobador(sorteos, {pena}, {}).Jugados(0, premios);
}

std::vector<ImportesPena> CalcularImportes(const std::vector<Sorteo>& sorteos,
                                           const std::vector<Pena>& penas,
                                           const PremiosGuardados& premios, float precio) {
    PremiosDeLasPenas p;
    p.Poner(sorteos, penas);
    return p.Importes(premios, precio);
}

namespace {

// What decides the draws a syndicate plays and what each wins: all but its name and counters.
bool MismoJuego(const Pena& a, const Pena& b) {
    return a.NumApuestas == b.NumApuestas && a.FechaCreacion == b.FechaCreacion &&
           a.ReducidaNumeros == b.ReducidaNumeros && a.ReducidaGarantia == b.ReducidaGarantia &&
           a.DiasJuego == b.DiasJuego && a.Base == b.Base &&
           std::equal(a.Apuestas.begin(), a.Apuestas.begin() + LineasEnUso(a), b.Apuestas.begin());
}

}  // namespace

void PremiosDeLasPenas::Sumar(Libro& l, const Premio& p, const Importes5& importes, int signo) {
    for (size_t k = 0; k < p.apuestas.size(); ++k) {
        const int64_t apuestas = int64_t{signo} * p.apuestas[k];
        if (apuestas == 0) continue;
        if (!importes[k]) {
            l.pendientes += static_cast<int>(apuestas);
            continue;
        }
        l.ganado += *importes[k] * apuestas;
        l.neto += ImporteNeto(*importes[k]) * apuestas;
    }
}

void PremiosDeLasPenas::Poner(const std::vector<Sorteo>& sorteos, const std::vector<Pena>& penas) {
    const size_t antes = sorteos_.size();
    const size_t comunes = std::min(antes, sorteos.size());
    const bool mismos = std::equal(sorteos.begin(), sorteos.begin() + comunes, sorteos_.begin());
    // Without the newest draws: what they won goes, as do the draws they count.
    if (mismos && sorteos.size() < antes) {
        for (Libro& l : libros_) {
            if (TipoDePena(*l.pena) == TipoPena::Danada) continue;  // it plays none
            for (size_t d = comunes; d < antes; ++d) l.sorteos -= JuegaSorteo(*l.pena, sorteos_[d]);
            const auto fuera =
                std::lower_bound(l.premios.begin(), l.premios.end(), comunes,
                                 [](const Premio& p, size_t d) { return p.sorteo < d; });
            for (auto p = fuera; p != l.premios.end(); ++p)
                if (l.sumado && p->sorteo < sumados_.size()) Sumar(l, *p, sumados_[p->sorteo], -1);
            l.premios.erase(fuera, l.premios.end());
        }
    }
    sumados_.resize(mismos ? std::min(comunes, sumados_.size()) : 0);
    // Each syndicate walks from the first draw it has not walked yet.
    std::vector<Libro> libros(penas.size());
    std::vector<size_t> desde(penas.size(), 0);
    for (size_t i = 0; i < penas.size(); ++i) {
        // Mostly in the same place as before; else moved, as after a removal.
        const auto igual = [&](const Libro& l) {
            return !l.usado && MismoJuego(*l.pena, penas[i]);
        };
        auto viejo = !mismos ? libros_.end()
                     : i < libros_.size() && igual(libros_[i])
                         ? libros_.begin() + static_cast<std::ptrdiff_t>(i)
                         : std::find_if(libros_.begin(), libros_.end(), igual);
        if (viejo == libros_.end()) {
            libros[i].pena = std::make_shared<const Pena>(penas[i]);
            continue;
        }
        libros[i] = std::move(*viejo);
        viejo->usado = true;
        desde[i] = comunes;
    }
    for (Libro& l : libros) l.usado = false;
    // Grown in place: a copy of the whole history at each download would cost more than the walk.
    sorteos_.resize(mismos ? comunes : 0);
    dias_.resize(sorteos_.size());
    for (size_t d = sorteos_.size(); d < sorteos.size(); ++d) {
        sorteos_.push_back(sorteos[d]);
        dias_.push_back(OleAFecha(sorteos[d].Fecha));
    }
    // Only the draws some syndicate has not walked are prepared.
    const size_t primero = libros.empty() ? 0 : *std::min_element(desde.begin(), desde.end());
    if (primero < sorteos.size()) {
        const Comprobador c({sorteos.begin() + static_cast<std::ptrdiff_t>(primero), sorteos.end()},
                            penas, {});
        for (size_t i = 0; i < penas.size(); ++i) {
            Libro& l = libros[i];
            uint32_t dia = 0;
            c.Jugados(
                i, desde[i] - primero,
                [&](size_t d) {
                    ++l.sorteos;
                    dia = static_cast<uint32_t>(primero + d);
                },
                [&](int categoria, int apuestas) {
                    if (l.premios.empty() || l.premios.back().sorteo != dia)
                        l.premios.push_back({dia, {}});
                    l.premios.back().apuestas[static_cast<size_t>(categoria - 3)] += apuestas;
                });
        }
    }
    libros_ = std::move(libros);
}

std::vector<ImportesPena> PremiosDeLasPenas::Importes(const PremiosGuardados& premios,
                                                      float precio) {
    // The amounts of every draw, walking the draws and the breakdowns (both by date) together;
    // those that changed since they were summed are kept with the amounts they were summed with.
    const size_t yaSumados = sumados_.size();
    sumados_.resize(sorteos_.size());
    std::vector<std::pair<uint32_t, Importes5>> cambiados;
    auto e = premios.begin();
    for (size_t d = 0; d < sorteos_.size(); ++d) {
        const QDate dia = dias_[d];
        if (e != premios.end() && dia < e->first) {
            if (d > 0 && dia < dias_[d - 1]) e = premios.lower_bound(dia);
        } else {
            while (e != premios.end() && e->first < dia) ++e;
        }
        Importes5 importes{};
        if (e != premios.end() && e->first == dia)
            for (size_t k = 0; k < importes.size(); ++k)
                importes[k] = ImportePremio(&e->second, static_cast<int>(k) + 3);
        if (d < yaSumados && importes != sumados_[d])
            cambiados.emplace_back(static_cast<uint32_t>(d), sumados_[d]);
        sumados_[d] = importes;
    }

    std::vector<ImportesPena> r;
    r.reserve(libros_.size());
    for (Libro& l : libros_) {
        if (!l.sumado || cambiados.size() > l.premios.size()) {
            l.ganado = l.neto = 0;
            l.pendientes = 0;
            for (const Premio& p : l.premios) Sumar(l, p, sumados_[p.sorteo], 1);
        } else {
            for (const auto& [d, antes] : cambiados) {
                const auto p =
                    std::lower_bound(l.premios.begin(), l.premios.end(), d,
                                     [](const Premio& x, uint32_t y) { return x.sorteo < y; });
                if (p == l.premios.end() || p->sorteo != d) continue;
                Sumar(l, *p, antes, -1);
                Sumar(l, *p, sumados_[d], 1);
            }
            // The draws walked since the last sum.
            const auto nuevos =
                std::lower_bound(l.premios.begin(), l.premios.end(), yaSumados,
                                 [](const Premio& x, size_t y) { return x.sorteo < y; });
            for (auto p = nuevos; p != l.premios.end(); ++p) Sumar(l, *p, sumados_[p->sorteo], 1);
        }
        l.sumado = true;
        ImportesPena i;
        i.Sorteos = l.sorteos;
        i.Ganado = l.ganado;
        i.GanadoNeto = l.neto;
        i.Pendientes = l.pendientes;
        i.Gastado = std::llround(double(CosteSorteo(*l.pena, precio)) * 100) * i.Sorteos;
        r.push_back(i);
    }
    return r;
}

std::vector<int> ContarIntercalados(const std::vector<Sorteo>& sorteos, std::vector<Pena>& penas,
                                    const std::vector<double>& fechas) {
    std::vector<int> cambiadas;
    if (sorteos.empty() || fechas.empty()) return cambiadas;
    Comprobador c(sorteos, penas, {});
    const auto& preparadas = c.Datos()->penas;
    for (size_t i = 0; i < penas.size(); ++i) {
        if (preparadas[i].tipo == TipoPena::Danada) continue;
        if (c.ContarIntercalados(penas[i], preparadas[i], fechas))
            cambiadas.push_back(static_cast<int>(i));
    }
    return cambiadas;
}

// The rows of a list.

const BloquesResultados::Contenido& BloquesResultados::Partes() const {
    static const Contenido vacio;
    return contenido_ ? *contenido_ : vacio;
}

int BloquesResultados::FilasDeBloque(size_t i) const {
    const std::vector<Bloque>& bloques = Bloques();
    const Bloque& b = bloques[i];
    if (!multiple_) {
        if (i + 1 < bloques.size()) return bloques[i + 1].fila - b.fila;
        return filas_ - b.fila;
    }
    const auto& p = datos_->penas[b.pena];
    int filas = 4;
    if (ConPremio(b)) {
        const auto& avisos = AvisosMultiple(p.codigo, Aciertos(b), ConComplementario(b));
        if (avisos.size() > 1) filas += static_cast<int>(avisos.size()) - 1;
        if (p.codigo == 503) ++filas;
    }
    return filas;
}

BloquesResultados::Ubicacion BloquesResultados::Ubicar(int fila) const {
    const std::vector<Bloque>& bloques = Bloques();
    const auto it = std::upper_bound(bloques.begin(), bloques.end(), fila,
                                     [](int f, const Bloque& b) { return f < b.fila; });
    const size_t i = static_cast<size_t>(it - bloques.begin()) - 1;
    return {i, fila - bloques[i].fila};
}

int BloquesResultados::LineaDeFila(const Ubicacion& u) const {
    const int l = u.desplazamiento - 3;
    return todasLasLineas_ ? l : Partes().lineas[Bloques()[u.bloque].detalle + l];
}

BloquesResultados::Tipo BloquesResultados::TipoFila(int fila) const {
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
    const Bloque& b = Bloques()[u.bloque];
    const auto& avisos =
        AvisosMultiple(datos_->penas[b.pena].codigo, Aciertos(b), ConComplementario(b));
    return u.desplazamiento - 3 < static_cast<int>(avisos.size()) ? Tipo::Aviso : Tipo::Vacia;
}

const std::vector<Sorteo>& BloquesResultados::Sorteos() const {
    static const std::vector<Sorteo> ninguno;
    return datos_ ? datos_->sorteos : ninguno;
}

}  // namespace tombolin
