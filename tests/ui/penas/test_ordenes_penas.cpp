// The syndicate file's commands: removal of one syndicate, asked first, and the reset of all.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/estado.h"
#include "core/fechas.h"
#include "core/penas.h"
#include "support/dobles.h"
#include "support/ficheros.h"
#include "support/penas_prueba.h"
#include "ui/penas/ordenes_penas.h"

namespace tombolin {
namespace {

const char* const kNombres[] = {"Los del bar", "Oficina", "Familia Núñez"};

// Syndicate n (1 to 3): two lines, prizes counted, checked on 30/11/2026.
Pena UnaPena(int n) {
    Pena p = pruebas::PenaSencilla(
        QString::fromUtf8(kNombres[n - 1]),
        {{n, n + 1, n + 2, n + 3, n + 4, n + 5}, {n + 10, n + 11, n + 12, n + 13, n + 14, n + 15}},
        QStringLiteral("Todos (L+J+S)"), QDate(2020, 1, 2));
    for (int k = 3; k <= 7; ++k) p.Aciertos[k] = static_cast<int16_t>(n * k);
    p.FechaComprobado = FechaAOle(QDate(2026, 11, 30));
    return p;
}

class FicheroPenas : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    Estado estado;
    pruebas::DialogosGuion dialogos;
    const QByteArray tres =
        CodificarPena(UnaPena(1)) + CodificarPena(UnaPena(2)) + CodificarPena(UnaPena(3));

    void SetUp() override {
        pruebas::EscribirBytes(dir.filePath("apuestas.dat"), tres);
        pruebas::AbrirEstado(estado, dir.path());
    }
    QByteArray Fichero() const { return pruebas::LeerBytes(dir.filePath("apuestas.dat")); }
};

// Removal asks first, naming the syndicate.
TEST_F(FicheroPenas, BorrarUnaConservaLasDemasEnOrden) {
    for (int n = 1; n <= 3; ++n) {
        SetUp();
        estado.PenaActual = n;
        dialogos.respuestas = {Respuesta::No, Respuesta::Si};
        EXPECT_FALSE(OrdenesPenas(estado, dialogos).Borrar());
        EXPECT_EQ(Fichero(), tres);
        EXPECT_TRUE(dialogos.Muestra(-1,
                                     QStringLiteral("¿Seguro que quieres eliminar la Peña ") +
                                         QString::fromUtf8(kNombres[n - 1]) + QStringLiteral("?"),
                                     "Borrar..."));
        EXPECT_TRUE(OrdenesPenas(estado, dialogos).Borrar());
        QByteArray esperado = tres;
        esperado.remove((n - 1) * 8307, 8307);
        EXPECT_EQ(Fichero(), esperado) << n;
        EXPECT_EQ(estado.Penas.Cuenta(), 2);
        EXPECT_FALSE(QFile::exists(dir.filePath("apuestas.tmp")));
    }
}

// The counters are cleared and the creation date is today; nothing else changes.
TEST_F(FicheroPenas, ResetearDejaContadoresACeroYCreacionHoy) {
    ASSERT_FALSE(ResetearPenas(estado, pruebas::RelojFijo(QDate(2026, 12, 6))));
    QByteArray esperado;
    for (int n = 1; n <= 3; ++n) {
        Pena p = UnaPena(n);
        p.Aciertos = {};
        p.FechaComprobado = 0;
        p.FechaCreacion = FechaAOle(QDate(2026, 12, 6));
        esperado += CodificarPena(p);
    }
    EXPECT_EQ(Fichero(), esperado);
    EXPECT_EQ(estado.Penas.Cuenta(), 3);
}

}  // namespace
}  // namespace tombolin
