#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/registros.h"

// Prize checking: every bet line of every syndicate against the most recent draws. A check
// builds the two results lists (simple and reduced syndicates; multiple ones) as blocks of rows
// whose cells are produced when they are asked for, so that a list of millions of rows costs
// what its blocks cost, and it brings the syndicates' prize counters up to date.
namespace tombolin {

struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Colours of the results lists.
inline constexpr Rgb kColorTituloPena{128, 0, 0};
inline constexpr Rgb kColorFecha{0, 128, 0};
inline constexpr Rgb kColorAcierto{255, 0, 0};
// Of a prize notice by category (3, 4, 5, 6 hits; 7 = 5 + complementario).
Rgb ColorAviso(int categoria);

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

class DatosComprobacion;

// One results list. Row r and column c are produced on demand.
class ListaResultados {
  public:
    enum class Tipo { Vacia, TituloPena, Fecha, Linea, Apuesta, Aviso };

    ListaResultados() = default;
    bool Multiple() const { return multiple_; }
    int Filas() const { return filas_; }
    int Columnas() const { return multiple_ ? 13 : 8; }
    static QString Cabecera(bool multiple, int columna);

    Tipo TipoFila(int fila) const;
    QString Texto(int fila, int columna) const;
    std::optional<Rgb> Color(int fila, int columna) const;

    // Walks the blocks in list order: the draw (record number), the syndicate (record number)
    // and the rows of the block from its title.
    struct Bloque {
        int32_t sorteo;   // place in the draws, oldest first
        int32_t pena;     // place in the syndicates
        int32_t fila;     // first row (the blank one)
        int32_t detalle;  // kept lines (simple, with prizes only) or hits and complementario
    };
    const std::vector<Bloque>& Bloques() const { return bloques_; }
    int FilasDeBloque(size_t b) const;

    // Text of a printed line of row `fila` (a bet line or a bet row with its first notice),
    // and the further notices of a multiple bet.
    QString TextoImpreso(int fila) const;
    std::vector<QString> AvisosSiguientes(int fila) const;
    QString TituloPena(size_t b) const;
    // The draws the list was built from, oldest first.
    const std::vector<Sorteo>& Sorteos() const;

  private:
    friend class Comprobador;
    struct Ubicacion {
        size_t bloque;
        int desplazamiento;
    };
    struct Celda {
        QString texto;
        std::optional<Rgb> color;
    };
    Celda LeerCelda(int fila, int columna) const;
    Ubicacion Ubicar(int fila) const;
    int LineaDeFila(const Ubicacion& u) const;

    bool multiple_ = false;
    bool todasLasLineas_ = true;
    int filas_ = 0;
    std::vector<Bloque> bloques_;
    std::vector<uint8_t> lineas_;  // kept lines of the simple list with prizes only
    std::shared_ptr<const DatosComprobacion> datos_;
};

// What a check leaves.
struct Comprobacion {
    ListaResultados Sencilla;
    ListaResultados Multiple;
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

}  // namespace tombolin
