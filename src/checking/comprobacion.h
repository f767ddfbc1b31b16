#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/importes.h"
#include "core/juego.h"
#include "core/registros.h"

// Prize checking: every bet line of every syndicate against the most recent draws. A check
// lays out the two results lists (simple and reduced syndicates; multiple ones) as blocks of
// rows, so that a list of millions of rows costs what its blocks cost, and it brings the
// syndicates' prize counters up to date.
namespace tombolin {

// The options of the results views that a check reads.
struct OpcionesComprobacion {
    bool Historico = false;    // list draws before a syndicate's creation date too
    bool SoloPremios = false;  // list only lines and bets with a prize
    // The syndicate chooser: entry 0 (or none, -1) lists every syndicate; a later entry lists
    // those whose name as stored equals NombreElegido.
    int EntradaElegida = 0;
    QString NombreElegido;
    // Whether to find out if the listed draws bring a prize (for the blinking notice).
    bool BuscarPremios = false;
};

// The draws and the syndicates as they were checked: what the rows of the lists are made from.
struct DatosComprobacion {
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
        QString nombre;                  // as stored
        std::vector<uint64_t> mascaras;  // one per line
        std::vector<int16_t> valores;    // the numbers, `numeros` per line
    };

    std::vector<Sorteo> sorteos;
    std::vector<SorteoPreparado> preparados;
    std::vector<PenaPreparada> penas;
};

// One results list as the check lays it out: blocks of rows, one per syndicate under one draw.
// A block is a blank row, the syndicate's title, the draw's date, then its bet lines (simple
// and reduced syndicates) or its bet and prize notices (a multiple). What a cell says is made
// by the list that shows it.
class BloquesResultados {
  public:
    enum class Tipo { Vacia, TituloPena, Fecha, Linea, Apuesta, Aviso };

    BloquesResultados() = default;
    bool Multiple() const { return multiple_; }
    int Filas() const { return filas_; }
    Tipo TipoFila(int fila) const;

    // Walks the blocks in list order: the draw (record number), the syndicate (record number)
    // and the rows of the block from its title.
    struct Bloque {
        int32_t sorteo;   // place in the draws, oldest first
        int32_t pena;     // place in the syndicates
        int32_t fila;     // first row (the blank one)
        int32_t detalle;  // kept lines (simple, with prizes only) or hits and complementario
    };
    const std::vector<Bloque>& Bloques() const { return Partes().bloques; }
    int FilasDeBloque(size_t b) const;
    // The draws the list was built from, oldest first.
    const std::vector<Sorteo>& Sorteos() const;

  protected:
    struct Ubicacion {
        size_t bloque;
        int desplazamiento;  // 0 blank, 1 title, 2 date, 3 on: lines, or the bet and its notices
    };
    Ubicacion Ubicar(int fila) const;
    // The syndicate's line on a row of a simple list.
    int LineaDeFila(const Ubicacion& u) const;
    // Hits and complementario of a multiple's block, and whether it has a prize.
    static int Aciertos(const Bloque& b) { return b.detalle & 0xFF; }
    static bool ConComplementario(const Bloque& b) { return (b.detalle >> 8) & 1; }
    static bool ConPremio(const Bloque& b) { return (b.detalle >> 9) & 1; }
    const DatosComprobacion& Datos() const { return *datos_; }

  private:
    friend class Comprobador;

    struct Contenido {
        std::vector<Bloque> bloques;
        std::vector<uint8_t> lineas;  // kept lines of the simple list with prizes only
    };
    const Contenido& Partes() const;

    bool multiple_ = false;
    bool todasLasLineas_ = true;
    int filas_ = 0;
    // Shared, never changed once the check is done: the blocks of the whole history are
    // megabytes, and a list is handed to the view and the printed listing as a copy.
    std::shared_ptr<const Contenido> contenido_;
    std::shared_ptr<const DatosComprobacion> datos_;
};

// What a check leaves.
struct Comprobacion {
    BloquesResultados Sencilla;
    BloquesResultados Multiple;
    bool PremioSencilla = false;      // a listed simple line has a prize (only with BuscarPremios)
    bool PremioMultiple = false;      // a listed multiple bet has a prize
    bool SencillaElegida = false;     // a simple syndicate passed the chooser
    bool MultipleElegida = false;     // a multiple syndicate passed the chooser
    std::vector<int> PenasCambiadas;  // places of the syndicates whose record changed
};

// Adds `cuenta` to a 16-bit counter; a sum past 32767 leaves it as it was, never wrapped.
void SumarContador(int16_t& contador, int cuenta);

// Checks the `n` most recent of `sorteos` (oldest first, as the file holds them) against
// `penas`, whose counters and FechaComprobado it updates. `progreso` is told each draw checked.
Comprobacion ComprobarSencillas(const std::vector<Sorteo>& sorteos, std::vector<Pena>& penas, int n,
                                const OpcionesComprobacion& opciones,
                                const std::function<void(int)>& progreso = {});

// The money of a syndicate over the draws it played since its start day (its creation date).
struct ImportesPena {
    int Sorteos = 0;         // draws played
    int64_t Ganado = 0;      // gross, in cents, of the prizes whose amount is published
    int64_t GanadoNeto = 0;  // the same after the tax on prizes
    int Pendientes = 0;      // prizes whose amount is not published or not held yet
    int64_t Gastado = 0;     // the cost of one draw at today's price times the draws played
    int64_t Balance() const { return Ganado - Gastado; }
};

// One draw a syndicate played: its prizes by category (3, 4, 5, 6 hits and 5 + complementario,
// as the counters) and what they paid.
struct SorteoJugado {
    Sorteo sorteo;
    std::array<int, 5> Premios{};
    int64_t Ganado = 0;  // gross, in cents, of the prizes whose amount is published
    int Pendientes = 0;
};
// The draws of `sorteos` (oldest first) that `pena` played since its start day, oldest first.
std::vector<SorteoJugado> SorteosJugados(const std::vector<Sorteo>& sorteos, const Pena& pena,
                                         const PremiosGuardados& premios);

// The days of the draws that any of `penas` played with a prize whose amount `premios` lacks.
std::vector<QDate> DiasSinImporte(const std::vector<Sorteo>& sorteos,
                                  const std::vector<Pena>& penas, const PremiosGuardados& premios);

// "2.462,19 €", with " brutos (… netos)" when the tax on prizes takes part of it and " y 2
// premios con importe pendiente" when some wait for their amount.
QString TextoGanado(const ImportesPena& importes);
// "6.046,00 € (3023 sorteos a 2,00 €, al precio de hoy)".
QString TextoGastado(const ImportesPena& importes);

// The money of each of `penas` over `sorteos` (oldest first), with the amounts `premios` holds,
// at `precio` a bet. The prize counters are not touched: these figures are worked out afresh,
// so a deleted draw takes its amount with it.
std::vector<ImportesPena> CalcularImportes(const std::vector<Sorteo>& sorteos,
                                           const std::vector<Pena>& penas,
                                           const PremiosGuardados& premios, float precio);

// The prizes each syndicate won, draw by draw, kept from one reading of the files to the next.
// Finding them is a walk over every draw a syndicate played, as long as a first check; pricing
// them is a sum over the few that won something. So after a download only the new draws are
// walked, and new amounts or a new price only sum again.
class PremiosDeLasPenas {
  public:
    // Brings the record up to `sorteos` (oldest first) and `penas`. When the draws are the ones
    // held with newer ones after them, or without their newest, only the difference is walked; a
    // syndicate whose lines, days or start day changed is walked again whole, and so is every
    // syndicate after any other change of the draws (one put in its place, one deleted inside).
    void Poner(const std::vector<Sorteo>& sorteos, const std::vector<Pena>& penas);
    // The money of each syndicate, in the order given to Poner, with the amounts `premios` holds
    // at `precio` a bet. Only the draws whose amounts changed since the last call, and those
    // walked since, are summed again.
    std::vector<ImportesPena> Importes(const PremiosGuardados& premios, float precio);

  private:
    // A draw's amounts by category, as ImportePremio gives them.
    using Importes5 = std::array<std::optional<int64_t>, 5>;
    // The prizes of one draw that won something: bets by category, as ImportesPena counts them.
    struct Premio {
        uint32_t sorteo;  // the draw's place
        std::array<int32_t, 5> apuestas;
    };
    struct Libro {
        std::shared_ptr<const Pena> pena;  // 8 KB: shared, never copied
        int sorteos = 0;
        std::vector<Premio> premios;  // by draw
        // The sums of the prizes of the draws before sumados_.size(), once summed.
        bool sumado = false;
        int64_t ganado = 0, neto = 0;
        int pendientes = 0;
        bool usado = false;  // taken over by a syndicate of the new list
    };
    static void Sumar(Libro& l, const Premio& p, const Importes5& importes, int signo);

    std::vector<Sorteo> sorteos_;
    std::vector<QDate> dias_;         // of sorteos_
    std::vector<Importes5> sumados_;  // the amounts each draw was summed with
    std::vector<Libro> libros_;
};

// Counts the draws of `fechas` (OLE dates of draws of `sorteos` that were put in their place among
// older ones: a draw the file lacked that came later) once for every syndicate that plays them and
// was already checked past their day; the others count them, as any draw, when next checked.
// Returns the places of the syndicates whose record changed.
std::vector<int> ContarIntercalados(const std::vector<Sorteo>& sorteos, std::vector<Pena>& penas,
                                    const std::vector<double>& fechas);

}  // namespace tombolin
