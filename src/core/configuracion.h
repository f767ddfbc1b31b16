#pragma once

#include <QString>
#include <optional>

#include "core/error.h"
#include "core/estado.h"

// The settings file "nums.ini": one 86-byte record, read and repaired at start-up and written
// back at once after every change.
namespace tombolin {

// The maker's web address (without scheme) and the one it had before.
inline constexpr const char* kDireccionWebActual = "www.tombolin.example";
inline constexpr const char* kDireccionWebAntigua = "www.tombolin-loterias.example";
// Where users write to the maker.
inline constexpr const char* kCorreoContacto = "contacto@tombolin.example";

// The settings file at `ruta` as the program takes it: a missing file, a cut or old address and a
// price never set are put right (`reparados` says so); nothing is written.
Configuracion AjustesLeidos(const QString& ruta, bool& reparados);
// Opens the settings channel and reads them, writing back what had to be put right.
void LeerConfiguracion(Estado& estado);

// Whether the history shipped with the program was offered at a first start: a flag in a byte of
// the record that nothing else uses (the first of the eight after the web address).
bool HistoricoOfrecido(const Configuracion& c);
void MarcarHistoricoOfrecido(Configuracion& c);
// Whether "Completar importes" was offered after a download (it is, once).
bool ImportesOfrecidos(const Configuracion& c);
void MarcarImportesOfrecidos(Configuracion& c);

// A number typed in a box: with the Spanish decimal comma ("1,5") or a point ("1.5"); nothing
// when the text is not a number or no float holds it.
std::optional<double> LeerDecimal(const QString& texto);
// A number still being typed: "-", "2,", ",". Not a number yet, and no mistake either.
bool NumeroAMedias(const QString& texto);
// A stored value as its box shows it, for LeerDecimal to read back as the same float: the fewest
// digits that do, the decimal comma, no thousands separators and no exponent ("12345,5", "0,01",
// "1000000", "-0,75"), so whatever is shown can be typed again key by key.
QString TextoEnCaja(float valor);
// An amount as the pages show it: seven digits, which hide the widening of a float ("38,25").
QString TextoDecimal(double valor);
// A whole number with a point between thousands: 184746 as "184.746".
QString Miles(qint64 n);
// An amount of money to the cent: 34554.98 as "34.554,98 €".
QString TextoEuros(double euros);
// The same of an amount in cents, which money figures keep exact: -1250 as "-12,50 €".
QString TextoCentimos(qint64 centimos);
// A price of a bet the settings keep: more than 0 as a float. The start takes a price of 0 for
// settings never set and puts back a price of 1 and 24 months.
bool PrecioAdmitido(float precio);
// The months typed for the statistics, as stored: a whole number, never below 2.
std::optional<int16_t> LeerMeses(const QString& texto);

// What a settings box holds so far, as it is typed key by key (each key is saved).
struct Tecleado {
    enum Clase {
        Valor,       // a value to keep
        AMedias,     // empty, or a number half typed ("-", "2,"): nothing is kept yet
        NoEsNumero,  // nothing it could become: the box shows the stored value again
    };
    Clase clase = AMedias;
    double valor = 0;
};
// A decimal box: the price, the print corrections.
Tecleado DecimalTecleado(const QString& texto);
// The months box: a whole number, kept never below 2.
Tecleado MesesTecleados(const QString& texto);
Error GuardarConfiguracion(Estado& estado);

}  // namespace tombolin
