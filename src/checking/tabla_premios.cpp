#include "checking/tabla_premios.h"

#include <map>
#include <tuple>

namespace tombolin {

namespace {

// -1: the row applies with or without the complementario.
constexpr int kIgual = -1;

struct Fila {
    int codigo;
    int aciertos;
    int complementario;
    std::vector<const char*> avisos;
};

// The table as users have always read it, singular "apuesta" after 2, 3, 4 and 5 included.
const Fila kTabla[] = {
    {501, 3, kIgual, {"4 apuestas de 3 aciertos."}},
    {501, 4, kIgual, {"4 apuestas de 3 aciertos.", "3 apuestas de 4 aciertos."}},
    {501, 5, 0, {"5 apuestas de 4 aciertos.", "2 apuestas de 5 aciertos."}},
    {501,
     5,
     1,
     {"5 apuestas de 4 aciertos.", "1 apuesta de 5 aciertos.", "1 apuesta de 5 aciertos + C."}},
    {501, 6, 0, {"6 apuestas de 5 aciertos.", "1 apuesta de 6 aciertos."}},
    {501, 6, 1, {"6 apuestas de 5 aciertos + C.", "1 apuesta de 6 aciertos."}},
    {502, 3, kIgual, {"10 apuestas de 3 aciertos."}},
    {502, 4, kIgual, {"16 apuestas de 3 aciertos.", "6 apuestas de 4 aciertos."}},
    {502,
     5,
     0,
     {"10 apuestas de 3 aciertos.", "15 apuestas de 4 aciertos.", "3 apuestas de 5 aciertos."}},
    {502,
     5,
     1,
     {"10 apuestas de 3 aciertos.", "15 apuestas de 4 aciertos.", "2 apuesta de 5 aciertos.",
      "1 apuesta de 5 aciertos + C."}},
    {502,
     6,
     0,
     {"15 apuestas de 4 aciertos.", "12 apuestas de 5 aciertos.", "1 apuesta de 6 aciertos."}},
    {502,
     6,
     1,
     {"15 apuestas de 4 aciertos.", "6 apuestas de 5 aciertos.", "6 apuestas de 5 aciertos + C.",
      "1 apuesta de 6 aciertos."}},
    {503, 2, kIgual, {"4 apuestas de 3 aciertos."}},
    {503, 3, kIgual, {"41 apuestas de 3 aciertos.", "3 apuestas de 4 aciertos."}},
    {503, 4, 0, {"42 apuestas de 4 aciertos.", "2 apuestas de 5 aciertos."}},
    {503, 4, 1, {"42 apuestas de 4 aciertos.", "2 apuesta de 5 aciertos + C."}},
    {503,
     5,
     kIgual,
     {"42 apuestas de 5 aciertos.", "1 apuesta de 5 aciertos + C.", "1 apuesta de 6 aciertos."}},
    {504, 3, kIgual, {"20 apuestas de 3 aciertos."}},
    {504, 4, kIgual, {"40 apuestas de 3 aciertos.", "10 apuestas de 4 aciertos."}},
    {504,
     5,
     0,
     {"40 apuestas de 3 aciertos.", "30 apuestas de 4 aciertos.", "4 apuestas de 5 aciertos."}},
    {504,
     5,
     1,
     {"40 apuestas de 3 aciertos.", "30 apuestas de 4 aciertos.", "3 apuesta de 5 aciertos.",
      "1 apuesta de 5 aciertos + C."}},
    {504,
     6,
     0,
     {"20 apuestas de 3 aciertos.", "45 apuestas de 4 aciertos.", "18 apuestas de 5 aciertos.",
      "1 apuesta de 6 aciertos."}},
    {504,
     6,
     1,
     {"20 apuestas de 3 aciertos.", "45 apuestas de 4 aciertos.", "12 apuestas de 5 aciertos.",
      "6 apuestas de 5 aciertos + C.", "1 apuesta de 6 aciertos."}},
    {505, 3, kIgual, {"35 apuestas de 3 aciertos."}},
    {505, 4, kIgual, {"80 apuestas de 3 aciertos.", "15 apuestas de 4 aciertos."}},
    {505,
     5,
     0,
     {"100 apuestas de 3 aciertos.", "50 apuestas de 4 aciertos.", "5 apuestas de 5 aciertos."}},
    {505,
     5,
     1,
     {"100 apuestas de 3 aciertos.", "50 apuestas de 4 aciertos.", "4 apuesta de 5 aciertos.",
      "1 apuesta de 5 aciertos + C."}},
    {505,
     6,
     0,
     {"80 apuestas de 3 aciertos.", "90 apuestas de 4 aciertos.", "24 apuestas de 5 aciertos.",
      "1 apuesta de 6 aciertos."}},
    {505,
     6,
     1,
     {"80 apuestas de 3 aciertos.", "90 apuestas de 4 aciertos.", "18 apuestas de 5 aciertos.",
      "6 apuestas de 5 aciertos + C.", "1 apuesta de 6 aciertos."}},
    {506, 3, kIgual, {"56 apuestas de 3 aciertos."}},
    {506, 4, kIgual, {"140 apuestas de 3 aciertos.", "21 apuestas de 4 aciertos."}},
    {506,
     5,
     0,
     {"200 apuestas de 3 aciertos.", "75 apuestas de 4 aciertos.", "6 apuestas de 5 aciertos."}},
    {506,
     5,
     1,
     {"200 apuestas de 3 aciertos.", "75 apuestas de 4 aciertos.", "5 apuesta de 5 aciertos.",
      "1 apuesta de 5 aciertos + C."}},
    {506,
     6,
     0,
     {"200 apuestas de 3 aciertos.", "150 apuestas de 4 aciertos.", "30 apuestas de 5 aciertos.",
      "1 apuesta de 6 aciertos."}},
    {506,
     6,
     1,
     {"200 apuestas de 3 aciertos.", "150 apuestas de 4 aciertos.", "24 apuestas de 5 aciertos.",
      "6 apuestas de 5 aciertos + C.", "1 apuesta de 6 aciertos."}},
};

// "4 apuestas de 3 aciertos." gives 4 bets of category 3; "... + C." category 7.
AvisoMultiple Leer(const char* texto) {
    const QString t = QString::fromUtf8(texto);
    AvisoMultiple a;
    a.Texto = QStringLiteral("¡¡ Premio !! Tienes ") + t;
    a.Apuestas = t.section(QLatin1Char(' '), 0, 0).toInt();
    a.Categoria = t.contains(QStringLiteral("+ C")) ? kCategoria5MasC
                                                    : t.section(QLatin1Char(' '), 3, 3).toInt();
    return a;
}

using Clave = std::tuple<int, int, int>;

const std::map<Clave, std::vector<AvisoMultiple>>& Indice() {
    static const auto indice = [] {
        std::map<Clave, std::vector<AvisoMultiple>> m;
        for (const Fila& f : kTabla) {
            std::vector<AvisoMultiple> avisos;
            for (const char* a : f.avisos) avisos.push_back(Leer(a));
            m[{f.codigo, f.aciertos, f.complementario}] = std::move(avisos);
        }
        return m;
    }();
    return indice;
}

}  // namespace

const std::vector<AvisoMultiple>& AvisosMultiple(int codigo, int aciertos, bool conComplementario) {
    static const std::vector<AvisoMultiple> ninguno;
    const auto& m = Indice();
    auto it = m.find({codigo, aciertos, conComplementario ? 1 : 0});
    if (it == m.end()) it = m.find({codigo, aciertos, kIgual});
    return it == m.end() ? ninguno : it->second;
}

}  // namespace tombolin
