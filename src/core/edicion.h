#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "core/dialogos.h"
#include "core/registros.h"
#include "core/tablas.h"

// What the syndicate editor does with the user's clicks: the lines being formed, the limits of
// each kind of syndicate, the refusals, and the record that is saved. The window shows it and
// writes what it says to write.
namespace tombolin {

// How the bets of a new syndicate are formed: 0 simple bets, 1..6 one multiple of that code,
// 7 a reduced system.
inline constexpr int kModoSencilla = 0;
inline constexpr int kModoReducida = 7;

// A refusal for the user; the editor's boxes are titled "Error".
struct Aviso {
    QString texto;
    Icono icono = Icono::Informacion;
};

// The play-days options, in the order shown, and what each stores in DiasJuego.
struct OpcionDias {
    const char* texto;
    const char* dias;
};
inline constexpr std::array<OpcionDias, 5> kOpcionesDias = {{{"Sólo jueves", "Jueves"},
                                                             {"Sólo sábado", "Sábado"},
                                                             {"Jueves y sábado", "Jueves y Sábado"},
                                                             {"Sólo lunes", "Lunes"},
                                                             {"Todos (L+J+S)", "Todos (L+J+S)"}}};
inline constexpr int kOpcionTodos = 4;
// The option of stored play days; anything unknown is "Todos (L+J+S)".
int OpcionDeDias(const QString& dias);
QString DiasDeOpcion(int opcion);

// The name box: upper case as typed; more than 20 characters is refused.
struct NombreRevisado {
    QString texto;
    std::optional<Aviso> aviso;
};
NombreRevisado RevisarNombre(const QString& tecleado);
// The characters of a name that the syndicate file can't keep (they are stored as "?").
QString CaracteresSinGuardar(const QString& nombre);

class EdicionPena {
  public:
    static constexpr int kMaximoSencillas = Pena::kLineas;

    // A new syndicate of the given kind; a reduced system needs its table.
    static EdicionPena Nueva(int modo, const TablaReducida* tabla = nullptr);
    // Syndicate `pena` as stored, to be changed line by line.
    static EdicionPena Editar(const Pena& pena);

    // What a user action led to.
    struct Resultado {
        std::optional<Aviso> aviso;
        bool lineaCompleta = false;  // a line was completed (new mode) or replaced (edit mode)
        bool escribir = false;       // edit mode: the record changed and goes to the file now
    };

    bool Editando() const { return editando_; }
    int Modo() const { return modo_; }
    int NumerosPorApuesta() const { return numerosPorApuesta_; }
    int MaxApuestas() const { return maxApuestas_; }
    QString Encabezado() const;
    // A reduced system names its table and the lines it will save; other kinds, nothing.
    QString Detalle() const;
    bool Marcado(int numero) const { return marcados_[numero - 1]; }
    int NumerosMarcados() const;
    // New mode: the lines completed so far. Edit mode: the lines of the syndicate, with a line
    // added and not yet filled.
    int Lineas() const;
    // The text of every line, as the syndicate page lists them.
    QStringList TextosLineas() const;
    // Edit mode: the line shown on the grid, from 1.
    int LineaActual() const { return linea_; }
    bool LimiteAlcanzado() const { return limiteAlcanzado_; }
    bool GrabarRechazado() const { return grabarRechazado_; }
    // Whether "Aleatorio" has anything left to do.
    bool AleatorioPermitido() const;
    // The record as the file is to hold it (a line added and not filled is left out).
    Pena Registro() const;

    // A click on number 1..49 of the grid.
    Resultado Pulsar(int numero);
    // "Aleatorio": a line of numbers drawn by `azar` (uniform in [0, 1)), marked as if clicked.
    Resultado Aleatoria(const std::function<double()>& azar);
    // New mode: "Borrar" removes the last line.
    void BorrarUltima();

    // Edit mode.
    Resultado AnadirLinea();
    Resultado EliminarLinea();
    // Moves to line `linea`; refused while the line shown is not complete.
    Resultado IrALinea(int linea);
    Resultado PonerDias(const QString& dias);
    // "Juega desde": the day the syndicate counts draws from. A new syndicate takes it when
    // saved; a stored one changes at once (and the file's counters start again).
    Resultado PonerDesde(QDate desde);
    // The day chosen; a new syndicate without one plays from the day it is saved.
    QDate Desde() const { return desde_; }

    // "Grabar": the record of the new syndicate, or why it can't be saved. `primera` is the
    // first stored syndicate and `ultimo` the newest stored draw, when there are. Both refusals
    // check the computer's clock (`hoy`), not the day chosen to play from, which is never later
    // than `hoy`.
    struct Grabacion {
        std::optional<Aviso> aviso;
        Pena pena;
    };
    Grabacion Grabar(const QString& nombre, const QString& dias, QDate hoy,
                     const std::optional<Pena>& primera, const std::optional<Sorteo>& ultimo);

    // A new syndicate of the same kind, for the next one after a save.
    EdicionPena Otra() const;

    // Why the window can't close now, if it can't.
    std::optional<Aviso> Cerrar() const;

  private:
    EdicionPena() = default;
    Resultado Completar();
    void MarcarLinea(int linea);
    void Desmarcar() { marcados_.fill(false); }
    bool LineaCompleta() const { return NumerosMarcados() == numerosPorApuesta_; }
    Aviso AvisoLimite() const;

    bool editando_ = false;
    int modo_ = kModoSencilla;
    int numerosPorApuesta_ = 6;
    int maxApuestas_ = kMaximoSencillas;
    std::optional<TablaReducida> tabla_;
    Pena pena_;
    int lineas_ = 0;           // new mode: lines completed
    int linea_ = 1;            // edit mode: line shown
    bool lineaNueva_ = false;  // edit mode: the last line was added and is not filled yet
    std::array<bool, 49> marcados_{};
    bool limiteAlcanzado_ = false;
    bool grabarRechazado_ = false;
    QDate desde_;
    bool aleatorioUsado_ = false;
};

// The numbers "Aleatorio" draws: each r·48 + 1 rounded to the nearest whole number (halves to
// even), drawn again while it repeats one already drawn; 1 and 49 come half as often as the rest.
std::vector<int> NumerosAlAzar(int cuantos, const std::function<double()>& azar);

}  // namespace tombolin
