// The statistics and syndicate reports filled from the report tables.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "statistics/informes.h"

namespace tombolin {
namespace {

const QString kDatos = QStringLiteral(TOMBOLIN_DATOS_PROGRAMA);

QByteArray Definicion(const QString& nombre) {
    QFile f(kDatos + QLatin1Char('/') + nombre);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << nombre.toStdString();
    return f.readAll();
}

// The text a reader sees, tags and blanks aside, so checks don't depend on the markup.
QString Texto(const QString& html) {
    QString t = html;
    t.remove(QRegularExpression(QStringLiteral("<head>.*</head>"),
                                QRegularExpression::DotMatchesEverythingOption));
    t.replace(QRegularExpression(QStringLiteral("<[^>]*>")), QStringLiteral(" "));
    t.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    return t.simplified();
}

TablasInforme TablasEstadisticas() {
    TablasInforme t;
    t[QStringLiteral("Informe")] = {
        {{QStringLiteral("Frase"), QStringLiteral(" 3-12-25-30-41- 7   C:  5  R: 9")}}};
    t[QStringLiteral("Sorteos")] = {
        {{QStringLiteral("Dia1"), QStringLiteral("2025-01-02")},
         {QStringLiteral("Dia2"), QStringLiteral("2026-12-05")},
         {QStringLiteral("Total"), QStringLiteral("312")},
         {QStringLiteral("Diasajugar"), QStringLiteral("Lunes, Jueves y sábado.")}}};
    for (const auto& [numero, veces] : {std::pair{49, 40}, {7, 30}, {23, 20}, {12, 10}})
        t[QStringLiteral("Numeros")].push_back({{QStringLiteral("Numero"), QString::number(numero)},
                                                {QStringLiteral("Veces"), QString::number(veces)}});
    return t;
}

TablasInforme TablasPena() {
    TablasInforme t;
    t[QStringLiteral("Peña")] = {
        {{QStringLiteral("Nombre"), QStringLiteral("Los del bar         ")},
         {QStringLiteral("Diasajugar"), QStringLiteral("Jueves y sábado.")},
         {QStringLiteral("Dinero"), QStringLiteral("1.5")},
         {QStringLiteral("Dia1"), QStringLiteral("2024-03-09")},
         {QStringLiteral("Dia2"), QStringLiteral("2026-12-03")},
         {QStringLiteral("Aciertos"), QStringLiteral("12 %")},
         {QStringLiteral("Sorteos"), QStringLiteral("150.0")},  // a real, as the store keeps it
         {QStringLiteral("3"), QStringLiteral("31")},
         {QStringLiteral("4"), QStringLiteral("14")},
         {QStringLiteral("5"), QStringLiteral("6")},
         {QStringLiteral("5C"), QStringLiteral("2")},
         {QStringLiteral("6"), QStringLiteral("1")}}};
    for (const char* l : {" 3-12-25-33-41-49", " 1- 2-17-20-36-45", "10-11-12-13-14-15"})
        t[QStringLiteral("Peñanums")].push_back(
            {{QStringLiteral("Numeros"), QString::fromUtf8(l)}});
    return t;
}

TEST(Informes, DefinicionDeEstadisticas) {
    const ResultadoInforme r =
        RellenarInforme(Definicion(QStringLiteral("Tombolin.net")), TablasEstadisticas());
    ASSERT_EQ(r.error, 0) << r.detalle.toStdString();
    const QString texto = Texto(r.html);
    for (const char* esperado : {"Tombolin", "Informe de estadísticas", "02/01/2025", "05/12/2026",
                                 "312", "Lunes, Jueves y sábado.", "3-12-25-30-41- 7 C: 5 R: 9"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado;
    EXPECT_FALSE(texto.contains(QStringLiteral("no está en la selección")));
    // Each number beside its count, most frequent first.
    EXPECT_TRUE(
        texto.contains(QRegularExpression(QStringLiteral("\\b49 40\\b.*\\b7 30\\b.*"
                                                         "\\b23 20\\b.*\\b12 10\\b"))))
        << texto.toStdString();
    // The first cell with a width after a number is its bar: the largest count fills the line,
    // half the count half of it.
    for (const auto& [numero, ancho] : {std::pair{"49", "100"}, {"7", "75"}, {"23", "50"}}) {
        const QRegularExpression barra(QStringLiteral(">%1<.*?<td width=\"(\\d+)%\"").arg(numero),
                                       QRegularExpression::DotMatchesEverythingOption);
        EXPECT_EQ(barra.match(r.html).captured(1), QLatin1String(ancho)) << numero;
    }

    TablasInforme sinFrase = TablasEstadisticas();
    sinFrase[QStringLiteral("Informe")][0][QStringLiteral("Frase")] = QString();
    const QString otro =
        Texto(RellenarInforme(Definicion(QStringLiteral("Tombolin.net")), sinFrase).html);
    EXPECT_TRUE(
        otro.contains(QStringLiteral("El último sorteo guardado no está en la selección.")));
}

TEST(Informes, DefinicionDePena) {
    const ResultadoInforme r =
        RellenarInforme(Definicion(QStringLiteral("Tombolin1.net")), TablasPena());
    ASSERT_EQ(r.error, 0) << r.detalle.toStdString();
    const QString texto = Texto(r.html);
    for (const char* esperado :
         {"Tombolin", "Informe de la peña", "Los del bar", "Jueves y sábado.", "1,5 euros",
          "09/03/2024", "03/12/2026", "12 %", "150", "3-12-25-33-41-49", "1- 2-17-20-36-45",
          "10-11-12-13-14-15", "Aciertos de 3 de 4 de 5 de 5+C de 6 31 14 6 2 1"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado;
    EXPECT_FALSE(r.html.contains(QStringLiteral("Los del bar ")));  // the padding is gone
    // The draws played are a whole count, whatever real the store keeps.
    EXPECT_FALSE(texto.contains(QStringLiteral("150.0")) ||
                 texto.contains(QStringLiteral("150,0")));
    // The bet lines keep their blanks, in a fixed-pitch block.
    EXPECT_TRUE(r.html.contains(QStringLiteral("> 1- 2-17-20-36-45<")));
    EXPECT_TRUE(r.html.contains(QStringLiteral("monospace")));
}

// Whatever the store holds is shown as text, in every column of both reports.
TEST(Informes, LosValoresNoSonMarcado) {
    for (auto [definicion, tablas] : {std::pair{"Tombolin.net", TablasEstadisticas()},
                                      std::pair{"Tombolin1.net", TablasPena()}}) {
        for (auto& [tabla, filas] : tablas)
            for (auto& fila : filas)
                for (auto& [columna, valor] : fila) valor = QStringLiteral("x<b>&y");
        const ResultadoInforme r = RellenarInforme(Definicion(QLatin1String(definicion)), tablas);
        ASSERT_EQ(r.error, 0) << definicion;
        EXPECT_FALSE(r.html.contains(QStringLiteral("<b>&"))) << definicion;
        EXPECT_TRUE(r.html.contains(QStringLiteral("x&lt;b&gt;&amp;y"))) << definicion;
    }
}

// The values a definition gets from the tables, read through small definitions.
TEST(Informes, ValoresDerivados) {
    const struct {
        const char* plantilla;
        const char* tabla;
        std::vector<FilaInforme> filas;
        const char* esperado;
    } casos[] = {
        {"{{#T}}{{Dia1}} {{Dia2}}{{/T}}",
         "T",
         {{{"Dia1", "2026-12-05"}, {"Dia2", "1985-10-17"}}},
         "05/12/2026 17/10/1985"},
        // A date that can't be read is shown as the store gave it.
        {"{{#T}}[{{Dia1}}][{{Dia2}}]{{/T}}", "T", {{{"Dia1", ""}, {"Dia2", "hoy"}}}, "[][hoy]"},
        {"{{#T}}[{{Nombre}}]{{/T}}", "T", {{{"Nombre", "  Los del bar        "}}}, "[Los del bar]"},
        {"{{#T}}{{Dinero}};{{/T}}",
         "T",
         {{{"Dinero", "56"}},
          {{"Dinero", "1.5"}},
          {{"Dinero", "0.25"}},
          {{"Dinero", "1200"}},
          {{"Dinero", "25.2000007629395"}},  // the float 25,2 as the store gives it back
          {{"Dinero", "mucho"}}},
         "56;1,5;0,25;1200;25,2;mucho;"},
        {"{{#Numeros}}{{Numero}}:{{Ancho}}/{{Resto}}{{#Barra}}B{{/Barra}}{{#Hueco}}H{{/Hueco}} "
         "{{/Numeros}}",
         "Numeros",
         {{{"Numero", "49"}, {"Veces", "40"}},
          {{"Numero", "7"}, {"Veces", "20"}},
          {{"Numero", "3"}, {"Veces", "13"}},
          {{"Numero", "1"}, {"Veces", "0"}}},
         "49:100/0B 7:50/50BH 3:33/67BH 1:0/100H "},
        // No draw counted: no bars, and no division by zero.
        {"{{#Numeros}}{{Ancho}}{{/Numeros}}", "Numeros", {{{"Numero", "5"}, {"Veces", "0"}}}, "0"},
        {"{{#Informe}}{{#SinFrase}}vacía{{/SinFrase}}{{^SinFrase}}[{{Frase}}]{{/SinFrase}};"
         "{{/Informe}}",
         "Informe",
         {{{"Frase", " 3-12-25-30-41- 7   C:  5  R: 9"}}, {{"Frase", ""}}, {{"Frase", "   "}}, {}},
         "[ 3-12-25-30-41- 7   C:  5  R: 9];vacía;vacía;vacía;"},
        {"{{#T}}{{Frase}}{{/T}}", "T", {{{"Frase", "<b>&\"'"}}}, "&lt;b&gt;&amp;&quot;&apos;"},
        // Any other column reaches the definition as it is.
        {"{{#T}}{{5C}}|{{Otra}}{{/T}}", "T", {{{"5C", "2"}, {"Otra", " a  b "}}}, "2| a  b "},
    };
    for (const auto& c : casos) {
        const TablasInforme tablas{{QString::fromUtf8(c.tabla), c.filas}};
        const ResultadoInforme r = RellenarInforme(QByteArray(c.plantilla), tablas);
        EXPECT_EQ(r.error, 0) << c.plantilla;
        EXPECT_EQ(r.html, QString::fromUtf8(c.esperado)) << c.plantilla;
    }
}

TEST(Informes, Errores) {
    QTemporaryDir dir;
    const QString rota = dir.filePath(QStringLiteral("rota.net"));
    QFile f(rota);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<table>{{#Numeros}}<tr><td>{{Numero}}</td></tr></table>");
    f.close();
    const struct {
        QString ruta;
        int error;
    } casos[] = {
        {dir.filePath(QStringLiteral("no-existe.net")), 1},
        {dir.path(), 1},  // a folder is no definition
        {rota, 2},
        {kDatos + QStringLiteral("/Tombolin.net"), 0},
        {kDatos + QStringLiteral("/Tombolin1.net"), 0},
    };
    for (const auto& c : casos) {
        const ResultadoInforme r = GenerarInforme(c.ruta, TablasEstadisticas());
        EXPECT_EQ(r.error, c.error) << c.ruta.toStdString();
        if (c.error == 0) continue;
        EXPECT_TRUE(r.html.isEmpty());
        EXPECT_TRUE(r.detalle.contains(c.ruta)) << r.detalle.toStdString();
    }
}

}  // namespace
}  // namespace tombolin
