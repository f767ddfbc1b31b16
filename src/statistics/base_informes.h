#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "core/error.h"
#include "core/registros.h"
#include "statistics/informes.h"

struct sqlite3;

// The report store, "Tombolin.mdb": a SQLCipher database holding what the statistics and
// syndicate reports print. All of it is derived from the data files, so a store that is missing
// or broken is simply built again from the schema (data/informes.sql, compiled in).
namespace tombolin {

class BaseInformes {
  public:
    static constexpr const char* kClave = "qorbantesivumelokari";

    BaseInformes() = default;
    BaseInformes(const BaseInformes&) = delete;
    BaseInformes& operator=(const BaseInformes&) = delete;
    ~BaseInformes();

    // Opens the store at `ruta` and keeps one connection for the whole run (the key derivation
    // makes each open cost tens of ms). A store that is missing, can't be read with the key,
    // lacks a table or column of the schema, or has lost a one-row table's row is rebuilt.
    struct Apertura {
        Error error;
        bool reconstruida = false;
    };
    Apertura Abrir(const QString& ruta);
    void Cerrar();
    bool Abierta() const { return db_ != nullptr; }

    // Builds a new store at `ruta` from the schema, replacing whatever was there.
    static Error Crear(const QString& ruta);

    // The writers: each commits at once, touches only its table and refuses a value out of its
    // column's range (a 16-bit integer, a valid date) leaving the table as it was.
    Error GuardarFrase(const QString& frase);  // "Informe"
    // "Sorteos"; the play days are left as they are when `dias` is empty.
    Error GuardarSeleccion(QDate dia1, QDate dia2, int total, const std::optional<QString>& dias);
    // "Numeros": its rows replaced by these (Numero, Veces), in this order.
    Error GuardarNumeros(const std::vector<std::pair<int, int>>& numeroVeces);
    struct FichaInforme {
        QString Nombre;  // as stored, trailing blanks included
        QString Diasajugar;
        float Dinero = 0;  // the weekly cost (GastoSemanal)
        QDate Dia1, Dia2;
        QString Aciertos;  // "12 %"
        double Sorteos = 0;
        std::array<int, 5> Premios{};      // prizes of "3", "4", "5", "5C", "6" hits
        QString Ganado, Gastado, Balance;  // the card's money, as it writes it
    };
    Error GuardarPena(const FichaInforme& f);  // "Peña"
    // "Peñanums": every row replaced, in one transaction.
    Error GuardarLineas(const QStringList& lineas);

    // Every table's rows in stored order, as text (dates as stored, ISO); empty when closed.
    TablasInforme Tablas() const;

  private:
    sqlite3* db_ = nullptr;
};

}  // namespace tombolin
