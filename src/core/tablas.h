#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// The reduced-tables file "tablas.bin": a text file of tables, one after another. Each table is
// a line with N (how many chosen numbers it covers), a line with its guarantee (its leading
// number is the guarantee figure; the whole line is shown in the descriptions), a line with K
// and K bet lines, each six two-character positions into the ordered list of the N numbers.
namespace tombolin {

struct TablaReducida {
    static constexpr int kMaximoNumeros = 20;    // base numbers a syndicate keeps
    static constexpr int kMaximoApuestas = 205;  // bet lines a syndicate holds

    using Linea = std::array<int8_t, 6>;  // positions 1..N

    int CantidadNumeros = 0;
    QString Garantia;  // line 2 as written
    int CantidadApuestas = 0;
    std::vector<Linea> Lineas;

    // The guarantee figure: the leading number of line 2.
    int GarantiaNumero() const;
    // "10 números al 5, 14 apuestas."
    QString Descripcion() const;
};

// What a reduced system is: "10 números al 5, 14 apuestas", for a table or a syndicate made of one.
QString TextoReducida(int numeros, int garantia, int apuestas);

// The leading decimal number of a line, as the earlier program read its header lines: blanks,
// an optional sign, digits; anything after them is ignored. 0 when there is none.
int NumeroInicial(const QByteArray& linea);

// The six numbers of a bet line on the chosen numbers (in the order the user's list has them).
std::array<int, 6> AplicarLinea(const TablaReducida::Linea& linea, const std::vector<int>& numeros);

class FicheroTablas {
  public:
    // Reads the file; false when it can't be read. A table larger than the program's limits
    // (N over 20, K over 205) is left out and the reading goes on after it. The reading stops at
    // the first malformed table (a header line missing at the end, N below 6, K below 0, fewer
    // bet lines than K, a line shorter than six positions, a position outside 1..N or repeated
    // in a line); the tables before it are kept.
    bool Cargar(const QString& ruta);
    void Leer(const QByteArray& contenido);

    const std::vector<TablaReducida>& Tablas() const { return tablas_; }
    // The table at a 0-based place among those kept, or null.
    const TablaReducida* Tabla(int ordinal) const;
    // False when the reading stopped at a malformed table.
    bool Completo() const { return completo_; }

  private:
    std::vector<TablaReducida> tablas_;
    bool completo_ = false;
};

}  // namespace tombolin
