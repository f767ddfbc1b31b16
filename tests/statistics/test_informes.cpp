// The statistics and syndicate reports filled from the report tables.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "statistics/informes.h"
#include "support/ficheros.h"

namespace tombolin {
namespace {

const QString kDatos = QStringLiteral(TOMBOLIN_DATOS_PROGRAMA);

QByteArray Definicion(const char* nombre) {
    return pruebas::LeerBytes(kDatos + QLatin1Char('/') + QLatin1String(nombre));
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

// A row written "column=value|column=value".
FilaInforme Fila(const char* texto) {
    FilaInforme f;
    for (const QString& c : QString::fromUtf8(texto).split(QLatin1Char('|')))
        f[c.section(QLatin1Char('='), 0, 0)] = c.section(QLatin1Char('='), 1);
    return f;
}

TablasInforme TablasEstadisticas() {
    TablasInforme t;
    t["Informe"] = {Fila("Frase= 3-12-25-30-41- 7   C:  5  R: 9")};
    t["Sorteos"] = {
        Fila("Dia1=2025-01-02|Dia2=2026-12-05|Total=312|Diasajugar=Lunes, Jueves y sábado.")};
    t["Numeros"] = {Fila("Numero=49|Veces=40"), Fila("Numero=7|Veces=30"),
                    Fila("Numero=23|Veces=20"), Fila("Numero=12|Veces=10")};
    return t;
}

TablasInforme TablasPena() {
    TablasInforme t;
    // "Sorteos" a real, as the store keeps it.
    t["Peña"] = {
        Fila("Nombre=Los del bar         |Diasajugar=Jueves y sábado.|Dinero=1.5|"
             "Dia1=2024-03-09|Dia2=2026-12-03|Aciertos=12 %|Sorteos=150.0|"
             "3=31|4=14|5=6|5C=2|6=1")};
    t["Peñanums"] = {Fila("Numeros= 3-12-25-33-41-49"), Fila("Numeros= 1- 2-17-20-36-45"),
                     Fila("Numeros=10-11-12-13-14-15")};
    return t;
}

TEST(Informes, DefinicionDeEstadisticas) {
    const ResultadoInforme r = RellenarInforme(Definicion("Tombolin.net"), TablasEstadisticas());
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
    const QString otro = Texto(RellenarInforme(Definicion("Tombolin.net"), sinFrase).html);
    EXPECT_TRUE(
        otro.contains(QStringLiteral("El último sorteo guardado no está en la selección.")));
}

TEST(Informes, DefinicionDePena) {
    const ResultadoInforme r = RellenarInforme(Definicion("Tombolin1.net"), TablasPena());
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
        const ResultadoInforme r = RellenarInforme(Definicion(definicion), tablas);
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
        // A date that can't be read is shown as the store gave it.
        {"{{#T}}[{{Dia1}}][{{Dia2}}]{{/T}}", "T", {Fila("Dia1=|Dia2=hoy")}, "[][hoy]"},
        {"{{#T}}[{{Nombre}}]{{/T}}", "T", {Fila("Nombre=  Los del bar        ")}, "[Los del bar]"},
        // The last one is the float 25,2 as the store gives it back.
        {"{{#T}}{{Dinero}};{{/T}}",
         "T",
         {Fila("Dinero=56"), Fila("Dinero=1.5"), Fila("Dinero=0.25"), Fila("Dinero=1200"),
          Fila("Dinero=mucho"), Fila("Dinero=25.2000007629395")},
         "56;1,5;0,25;1200;mucho;25,2;"},
        {"{{#Numeros}}{{Numero}}:{{Ancho}}/{{Resto}}{{#Barra}}B{{/Barra}}{{#Hueco}}H{{/Hueco}} "
         "{{/Numeros}}",
         "Numeros",
         {Fila("Numero=49|Veces=40"), Fila("Numero=7|Veces=20"), Fila("Numero=3|Veces=13"),
          Fila("Numero=1|Veces=0")},
         "49:100/0B 7:50/50BH 3:33/67BH 1:0/100H "},
        // No draw counted: no bars, and no division by zero.
        {"{{#Numeros}}{{Ancho}}{{/Numeros}}", "Numeros", {Fila("Numero=5|Veces=0")}, "0"},
        {"{{#Informe}}{{#SinFrase}}vacía{{/SinFrase}}{{^SinFrase}}[{{Frase}}]{{/SinFrase}};"
         "{{/Informe}}",
         "Informe",
         {Fila("Frase= 3-12-25-30-41- 7   C:  5  R: 9"), Fila("Frase="), Fila("Frase=   "), {}},
         "[ 3-12-25-30-41- 7   C:  5  R: 9];vacía;vacía;vacía;"},
        {"{{#T}}{{Frase}}{{/T}}", "T", {Fila("Frase=<b>&\"'")}, "&lt;b&gt;&amp;&quot;&apos;"},
        // Any other column reaches the definition as it is.
        {"{{#T}}{{5C}}|{{Otra}}{{/T}}", "T", {Fila("5C=2|Otra= a  b ")}, "2| a  b "},
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
    pruebas::EscribirBytes(rota, "<table>{{#Numeros}}<tr><td>{{Numero}}</td></tr></table>");
    const struct {
        QString ruta;
        int error;
    } casos[] = {
        {dir.filePath(QStringLiteral("no-existe.net")), 1},
        {dir.path(), 1},  // a folder is no definition
        {rota, 2},
    };
    for (const auto& c : casos) {
        const ResultadoInforme r = GenerarInforme(c.ruta, TablasEstadisticas());
        EXPECT_EQ(r.error, c.error) << c.ruta.toStdString();
        EXPECT_TRUE(r.html.isEmpty());
        EXPECT_TRUE(r.detalle.contains(c.ruta)) << r.detalle.toStdString();
    }
}

}  // namespace
}  // namespace tombolin
