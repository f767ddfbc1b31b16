// The key search over the results document. (busca3, which keeps blanks as slashes, is read
// through the news' address: Analisis.DireccionEnLasNoticias.)
#include <gtest/gtest.h>

#include "results/busca.h"
#include "support/impresion.h"

namespace tombolin {
namespace {

TEST(Busca, ClaveSinMayusculasYFinalExacto) {
    const struct {
        const char* documento;
        const char* empieza;
        const char* final;
        bool espacios;
        const char* esperado;
        int posicionFinal;  // after a match: one past the start of `final`
    } casos[] = {
        {"xx\"combinacion\":\"5", "\"combinacion", "\":", false, "", 16},
        {"ab JOKER{\"on\":1}zzzzz", "joker", "on", false, "{\"", 12},
        {"ab joker{\"On\"ON\":1}zz", "joker", "on", false, "{\"On\"", 15},  // "On" is not the end
        {"a(  12 )bcdef", "(", ")", true, "12", 9},
        {"a(  12 )bcdef", "(", ")", false, "  12 ", 9},
        {"sin la clave aqui", "joker", "on", false, "", -1},
        {"clave al final joker", "joker", "x", false, "", -1},  // touching the last character
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.documento);
        Documento d(c.documento);
        EXPECT_EQ(busca(d, QString::fromUtf8(c.empieza), QString::fromUtf8(c.final), c.espacios),
                  QString::fromUtf8(c.esperado));
        if (c.posicionFinal > 0) {
            EXPECT_EQ(d.Posicion(), c.posicionFinal);
        }
    }
}

TEST(Busca, LeerMasAllaDelFinalEsUnFallo) {
    // Collecting stops one character before the end of the document.
    Documento d("k=abcd");
    EXPECT_EQ(busca(d, QStringLiteral("k="), QStringLiteral("#")), QStringLiteral("ab"));
    // A key just before the last character: collecting runs off the end without a final.
    Documento x("xab");
    EXPECT_THROW(busca(x, QStringLiteral("a"), QStringLiteral("#")), FueraDelDocumento);
    Documento e("abc");
    EXPECT_THROW(e.Ir(0), FueraDelDocumento);
    // A key search from beyond the end finds nothing and is no fault.
    Documento f("abc");
    f.Ir(3);
    EXPECT_EQ(busca(f, QStringLiteral("c"), QStringLiteral("y")), QString());
}

// (A Joker written in groups, "0 559 707", is read in Analisis.ListasDelHistorico.)
TEST(Busca, Valor) {
    EXPECT_EQ(Valor(QStringLiteral(" 05 ")), 5);
    EXPECT_EQ(Valor(QStringLiteral("12\t3x4")), 123);
    EXPECT_EQ(Valor(QStringLiteral("x12")), 0);
    EXPECT_EQ(Valor(QString()), 0);
}

}  // namespace
}  // namespace tombolin
