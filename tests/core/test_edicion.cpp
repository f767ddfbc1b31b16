// The syndicate editor's rules: limits of each kind, refusals, the saved record, edit mode.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <random>
#include <set>

#include "core/edicion.h"
#include "core/estado.h"
#include "core/fechas.h"
#include "core/penas.h"
#include "support/ficheros.h"
#include "support/penas_prueba.h"

namespace tombolin {
namespace {

const QDate kHoy(2026, 12, 6);
// What a multiple says to a second line.
const QString kUnaCombinacion = QStringLiteral(
    "¡¡ Oficialmente sólo se admite una combinación por boleto cuando juegas a múltiples !! ");

// Clicks the numbers in order; returns the last result.
EdicionPena::Resultado Pulsar(EdicionPena& e, std::initializer_list<int> numeros) {
    EdicionPena::Resultado r;
    for (int n : numeros) r = e.Pulsar(n);
    return r;
}

void LineaDeSeis(EdicionPena& e, int desde) {
    for (int n = desde; n < desde + 6; ++n) e.Pulsar((n - 1) % 49 + 1);
}

// Three lines over nine numbers, enough to see each position taken from the right place.
const TablaReducida kTabla9Al5{
    9, QStringLiteral("5 si 6"), 3, {{1, 2, 3, 4, 5, 6}, {4, 5, 6, 7, 8, 9}, {1, 3, 5, 7, 8, 9}}};

TEST(Edicion, CadaModoTieneSuLimiteYSuAviso) {
    const struct {
        int modo, numeros, lineas;
        QString aviso;
    } casos[] = {
        {0, 6, 205, QStringLiteral("Máximo de apuestas sencillas por peña : 205.")},
        {3, 5, 1, kUnaCombinacion},
        {6, 11, 1, kUnaCombinacion},
        {7, 9, 1, QStringLiteral("¡¡ Sólo puedes poner 9 números en este tipo de reducida !! ")},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.modo);
        EdicionPena e = EdicionPena::Nueva(c.modo, &kTabla9Al5);
        EXPECT_EQ(e.NumerosPorApuesta(), c.numeros);
        EXPECT_EQ(e.Encabezado(),
                  QStringLiteral("INTRODUZCA EL NOMBRE Y %1 NÚMEROS:").arg(c.numeros));
        for (int l = 0; l < c.lineas; ++l) {
            for (int k = 0; k < c.numeros; ++k) {
                const auto r = e.Pulsar((l * 7 + k) % 49 + 1);
                ASSERT_FALSE(r.aviso) << "línea " << l;
                EXPECT_EQ(r.lineaCompleta, k == c.numeros - 1);
            }
        }
        EXPECT_EQ(e.Lineas(), c.lineas);
        EXPECT_FALSE(e.AleatorioPermitido());
        // One click more: refused, nothing marked.
        const auto r = e.Pulsar(49);
        ASSERT_TRUE(r.aviso);
        EXPECT_EQ(r.aviso->texto, c.aviso);
        EXPECT_EQ(r.aviso->icono, Icono::Informacion);
        EXPECT_TRUE(e.LimiteAlcanzado());
        EXPECT_EQ(e.NumerosMarcados(), 0);
        EXPECT_EQ(e.Aleatoria([] { return 0.5; }).aviso->texto,
                  QStringLiteral("Máximo de apuestas sencillas por peña : %1.").arg(c.lineas));
        // Removing a line makes room again.
        e.BorrarUltima();
        EXPECT_EQ(e.Lineas(), c.lineas - 1);
        EXPECT_FALSE(e.Pulsar(1).aviso);
    }
}

TEST(Edicion, Nombre) {
    const QString trebol = QString::fromUcs4(U"\U0001F340");
    const auto letras = [](int n, char c) { return QString(n, QLatin1Char(c)); };
    const struct {
        QString tecleado, queda;
        bool aviso;
    } casos[] = {
        {letras(20, 'a'), letras(20, 'A'), false},
        {letras(21, 'a'), QStringLiteral("AYYYYYY!!"), true},
        // A character outside the BMP takes one place in the file.
        {trebol + letras(19, 'a'), trebol + letras(19, 'A'), false},
        // A letter whose capital is two letters keeps its place.
        {QStringLiteral("straße") + letras(14, 'x'), QStringLiteral("STRAßE") + letras(14, 'X'),
         false},
    };
    for (const auto& c : casos) {
        const NombreRevisado r = RevisarNombre(c.tecleado);
        EXPECT_EQ(r.texto, c.queda) << c.tecleado.toStdString();
        EXPECT_EQ(r.aviso.has_value(), c.aviso);
    }
    EXPECT_EQ(CaracteresSinGuardar(QStringLiteral("PEÑA ÇÜ€ ¿?")), QString());
    EXPECT_EQ(CaracteresSinGuardar(QStringLiteral("ŁÓDŹ ŁAŃ")), QStringLiteral("ŁŹŃ"));
    EXPECT_EQ(CaracteresSinGuardar(QLatin1Char('A') + trebol), trebol);
}

TEST(Edicion, AzarSinRepetidosYConTodosLosNumeros) {
    std::mt19937 motor(20261206);
    std::uniform_real_distribution<double> uniforme(0.0, 1.0);
    const auto azar = [&] { return uniforme(motor); };
    std::array<int, 50> veces{};
    for (int i = 0; i < 10000; ++i) {
        const std::vector<int> linea = NumerosAlAzar(6, azar);
        ASSERT_EQ(std::set<int>(linea.begin(), linea.end()).size(), 6u);
        for (int n : linea) {
            ASSERT_TRUE(n >= 1 && n <= 49) << n;
            ++veces[n];
        }
    }
    for (int n = 1; n <= 49; ++n) EXPECT_GT(veces[n], 0) << n;
    // The ends of the range come about half as often as the rest.
    const double media = 60000.0 / 48;
    EXPECT_NEAR(veces[1] / media, 0.5, 0.1);
    EXPECT_NEAR(veces[49] / media, 0.5, 0.1);
    EXPECT_NEAR(veces[25] / media, 1.0, 0.15);
    // Halves round to even: 0.5 → 25 (24.5 + 1 = 25 exactly), r = 0 → 1, r just below 1 → 49.
    std::vector<double> serie{0.0, 47.5 / 48, 1.0 - 1e-12};
    auto it = serie.begin();
    EXPECT_EQ(NumerosAlAzar(3, [&] { return *it++; }), (std::vector<int>{1, 48, 49}));
}

// Simple lines are drawn again and again through the window (Editor.PenaNuevaSinGrabar).
TEST(Edicion, AleatorioEnMultiplesSeUsaUnaVez) {
    std::mt19937 motor(7);
    std::uniform_real_distribution<double> uniforme(0.0, 1.0);
    const auto azar = [&] { return uniforme(motor); };
    EdicionPena multiple = EdicionPena::Nueva(4);
    EXPECT_TRUE(multiple.Aleatoria(azar).lineaCompleta);
    EXPECT_EQ(multiple.TextosLineas()[0].count(QLatin1Char('-')), 8);  // nine numbers
    EXPECT_FALSE(multiple.AleatorioPermitido());
    // Once its line is removed, it may draw again.
    multiple.BorrarUltima();
    EXPECT_TRUE(multiple.AleatorioPermitido());
    // Editing a multiple, too, draws its line once.
    EdicionPena editada = EdicionPena::Editar(pruebas::PenaMultiple("M", 1, {1, 2, 3, 4, 5, 6, 7}));
    EXPECT_TRUE(editada.Aleatoria(azar).escribir);
    EXPECT_FALSE(editada.AleatorioPermitido());
}

TEST(Edicion, GrabarRechazaYDespuesLaRejillaNoAdmiteMas) {
    const Pena futura = pruebas::PenaSencilla("X", {}, QStringLiteral("Lunes"), kHoy.addDays(1));
    Pena hoyAMediodia = pruebas::PenaSencilla("X", {}, QStringLiteral("Lunes"), kHoy);
    hoyAMediodia.FechaCreacion += 0.5;
    const char* const kPenaPosterior =
        "¡¡¡No puede crear una peña con fecha anterior a una ya existente!!!. Borre dicha peña "
        "antes de crear ésta.";
    const char* const kSorteoPosterior =
        "Hay sorteos con fecha posterior a la de la peña que intenta crear. Revise la fecha de "
        "su ordenador. ¡No se puede crear una peña con fecha anterior a la del último sorteo!";
    const char* const kSinNombre = "¡¡¡No ha escrito el nombre de la peña!!!";
    const struct {
        const char* caso;
        QString nombre;
        std::optional<Pena> primera;
        std::optional<Sorteo> ultimo;
        const char* aviso;
    } casos[] = {
        {"peña posterior", "A", futura, {}, kPenaPosterior},
        {"sorteo posterior", "A", {}, pruebas::UnSorteo(kHoy.addDays(2)), kSorteoPosterior},
        {"sin nombre", QString(), {}, {}, kSinNombre},
        {"sólo blancos", "    ", {}, {}, kSinNombre},
        // Today is not later than today, whatever the time.
        {"todo de hoy", "A", hoyAMediodia, pruebas::UnSorteo(kHoy), nullptr},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        EdicionPena e = EdicionPena::Nueva(kModoSencilla);
        LineaDeSeis(e, 1);
        const auto g = e.Grabar(c.nombre, QStringLiteral("Lunes"), kHoy, c.primera, c.ultimo);
        if (!c.aviso) {
            EXPECT_FALSE(g.aviso);
            continue;
        }
        ASSERT_TRUE(g.aviso);
        EXPECT_EQ(g.aviso->texto, QString::fromUtf8(c.aviso));
        EXPECT_EQ(g.aviso->icono, Icono::Exclamacion);
        EXPECT_FALSE(e.AleatorioPermitido());
        const auto r = e.Pulsar(30);
        ASSERT_TRUE(r.aviso);
        EXPECT_EQ(r.aviso->texto,
                  QStringLiteral("Sólo tienes que poner un nombre. No puedes añadir más números."));
        EXPECT_EQ(e.NumerosMarcados(), 0);
    }
}

TEST(Edicion, RegistroGrabadoDeCadaModo) {
    const auto grabar = [](EdicionPena& e, const QString& nombre) {
        return e.Grabar(nombre, QStringLiteral("Lunes"), kHoy, {}, {}).pena;
    };
    // A line removed leaves nothing behind; a name with a character outside the BMP keeps all
    // its letters, padded to 20 places.
    EdicionPena sencilla = EdicionPena::Nueva(kModoSencilla);
    for (int desde : {1, 10}) LineaDeSeis(sencilla, desde);
    sencilla.BorrarUltima();
    const QString nombre = QString::fromUcs4(U"\U0001F340") + QString(19, QLatin1Char('B'));
    const Pena s = grabar(sencilla, nombre);
    EXPECT_EQ(s.NumApuestas, 1);
    EXPECT_EQ(s.Apuestas[1], Apuesta{});
    EXPECT_EQ(CodificarPena(s).left(20), "?" + QByteArray(19, 'B'));
    EXPECT_EQ(grabar(sencilla, "Ñ").Nombre, QStringLiteral("Ñ") + QString(19, QLatin1Char(' ')));

    EdicionPena cinco = EdicionPena::Nueva(3);
    Pulsar(cinco, {44, 2, 9, 31, 17});
    // Its code and sorted numbers are read back from the file by Editor.ElMenuDeCreacion.
    EXPECT_EQ(grabar(cinco, "M").ReducidaNumeros, 0);

    EdicionPena reducida = EdicionPena::Nueva(kModoReducida, &kTabla9Al5);
    Pulsar(reducida, {45, 5, 12, 18, 23, 30, 33, 38, 41});
    const Pena r = grabar(reducida, "R");
    // Line 1 keeps the rest of the chosen numbers after its six; the others do not.
    EXPECT_EQ(r.Apuestas[0].Columnas, (std::array<int16_t, 20>{5, 12, 18, 23, 30, 33, 38, 41, 45}));
    EXPECT_EQ(r.Apuestas[1].Columnas, (std::array<int16_t, 20>{23, 30, 33, 38, 41, 45}));
    // A second save (after a failed write) expands from the chosen numbers again.
    EXPECT_EQ(CodificarPena(grabar(reducida, "R")), CodificarPena(r));
}

TEST(Edicion, ModoEdicion) {
    Pena reducida =
        pruebas::PenaReducida("R", {1, 2, 3, 4, 5, 6, 7}, 4,
                              {{1, 2, 3, 4, 5, 6}, {2, 3, 4, 5, 6, 7}, {1, 3, 4, 5, 6, 7}});
    EdicionPena e = EdicionPena::Editar(reducida);
    // Unmarking and marking the same number again changes nothing.
    e.Pulsar(6);
    auto r = e.Pulsar(6);
    EXPECT_TRUE(r.lineaCompleta);
    EXPECT_FALSE(r.escribir);
    EXPECT_EQ(e.Registro().ReducidaNumeros, 7);

    // One number changed is written at once; with too many, moving is refused.
    e.Pulsar(6);
    EXPECT_TRUE(e.Pulsar(40).escribir);
    e.Pulsar(41);
    EXPECT_EQ(e.IrALinea(2).aviso->texto,
              QStringLiteral("¡¡ Sobran números !!. Por favor, completa la apuesta."));
    EXPECT_EQ(e.Cerrar()->texto,
              QStringLiteral("¡¡ 7 números !!. Por favor, rectifica la apuesta. Ha de ser de 6 "
                             "números"));
    EXPECT_EQ(e.LineaActual(), 1);
    EXPECT_FALSE(e.Pulsar(41).escribir);
    EXPECT_FALSE(e.Cerrar());

    // A line added is not in the record until it is filled, not even when the days are saved.
    EXPECT_FALSE(e.AnadirLinea().aviso);
    EXPECT_EQ(e.AnadirLinea().aviso->texto,
              QStringLiteral("¡¡ 0 números !!. Por favor, completa la apuesta."));
    EXPECT_TRUE(e.PonerDias(QStringLiteral("Lunes")).escribir);
    EXPECT_EQ(e.Registro().NumApuestas, 3);
    EXPECT_TRUE(Pulsar(e, {9, 19, 29, 39, 49, 48}).escribir);
    EXPECT_EQ(e.TextosLineas().back(), QStringLiteral(" 9-19-29-39-48-49"));

    // Removing line 2: the old last line's first column is cleared.
    EXPECT_FALSE(e.IrALinea(2).aviso);
    EXPECT_TRUE(e.EliminarLinea().escribir);
    EXPECT_EQ(e.Registro().Apuestas[3].Columnas[0], 0);
    EXPECT_EQ(e.LineaActual(), 2);

    // A line added and removed before it is filled never reaches the file.
    EXPECT_FALSE(e.AnadirLinea().aviso);
    EXPECT_FALSE(e.EliminarLinea().escribir);
    EXPECT_EQ(e.Lineas(), 3);
}

TEST(Edicion, ModoEdicionLimites) {
    // 205 lines: no line 206, whichever line is shown.
    Pena llena = pruebas::PenaSencilla("L", {});
    llena.NumApuestas = 205;
    for (int b = 0; b < 205; ++b) llena.Apuestas[b].Columnas = {1, 2, 3, 4, 5, int16_t(6 + b % 40)};
    EdicionPena e = EdicionPena::Editar(llena);
    ASSERT_FALSE(e.IrALinea(3).aviso);
    EXPECT_EQ(e.AnadirLinea().aviso->texto,
              QStringLiteral("Máximo de apuestas sencillas por peña : 205."));

    EdicionPena m = EdicionPena::Editar(pruebas::PenaMultiple("M", 2, {1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(m.NumerosPorApuesta(), 8);
    EXPECT_EQ(m.AnadirLinea().aviso->texto,
              QStringLiteral("No puedes añadir más apuestas. ") + kUnaCombinacion);
    const QString todas = QStringLiteral(
        "¡¡ No puedes borrar todas las apuestas !!. Si quieres borrar la Peña, hazlo desde la "
        "pestaña GESTOR DE PEÑAS.");
    EXPECT_EQ(m.EliminarLinea().aviso->texto, todas);
    EdicionPena una = EdicionPena::Editar(pruebas::PenaSencilla("U", {{1, 2, 3, 4, 5, 6}}));
    EXPECT_EQ(una.EliminarLinea().aviso->texto, todas);
    // A multiple's line takes its eight numbers.
    m.Pulsar(8);
    EXPECT_TRUE(m.Pulsar(49).escribir);
    EXPECT_EQ(m.Registro().Apuestas[0].Columnas[7], 49);
}

TEST(Edicion, GuardarCambiosConservaLosContadoresDelFichero) {
    QTemporaryDir dir;
    Pena a = pruebas::PenaSencilla("A", {{1, 2, 3, 4, 5, 6}});
    Pena b = pruebas::PenaSencilla("B", {{7, 8, 9, 10, 11, 12}});
    b.Aciertos[3] = 4;
    b.FechaComprobado = 46000;
    pruebas::EscribirPenas(dir.path(), {a, b});
    Estado estado;
    pruebas::AbrirEstado(estado, dir.path());

    // The editor's copy is older than the file: a check counted a prize since.
    Pena editada = b;
    editada.Aciertos[3] = 3;
    editada.FechaComprobado = 0;
    editada.Apuestas[0].Columnas[0] = 13;
    editada.DiasJuego = QStringLiteral("Lunes");
    ASSERT_FALSE(GuardarCambiosPena(estado, 2, editada));
    Pena leida;
    ASSERT_TRUE(LeerPena(estado.Penas, 2, leida));
    EXPECT_EQ(leida.Aciertos[3], 4);
    EXPECT_EQ(leida.FechaComprobado, 46000);
    EXPECT_EQ(leida.Apuestas[0].Columnas[0], 13);
    EXPECT_EQ(leida.DiasVisibles(), QStringLiteral("Lunes"));
    ASSERT_TRUE(LeerPena(estado.Penas, 1, leida));
    EXPECT_EQ(CodificarPena(leida), CodificarPena(a));
}

}  // namespace
}  // namespace tombolin
