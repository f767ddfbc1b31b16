// The syndicate report printed for real: its HTML laid out by Qt on A4 and read back from the PDF.
#include <gtest/gtest.h>

#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextDocument>

#include "statistics/informes.h"

namespace tombolin {
namespace {

TEST(InformePdf, PenaImpresa) {
    TablasInforme tablas;
    tablas[QStringLiteral("Peña")] = {
        {{QStringLiteral("Nombre"), QStringLiteral("Amigos & Cía d'Olot ")},
         {QStringLiteral("Diasajugar"), QStringLiteral("Jueves.")},
         {QStringLiteral("Dinero"), QStringLiteral("56")},
         {QStringLiteral("Dia1"), QStringLiteral("2024-03-09")},
         {QStringLiteral("Dia2"), QStringLiteral("2026-12-03")},
         {QStringLiteral("Aciertos"), QStringLiteral("12 %")},
         {QStringLiteral("Sorteos"), QStringLiteral("150")}}};
    tablas[QStringLiteral("Peñanums")] = {
        {{QStringLiteral("Numeros"), QStringLiteral(" 3-12-25-33-41-49")}},
        {{QStringLiteral("Numeros"), QStringLiteral("10-11-12-13-14-15")}}};
    const ResultadoInforme r =
        GenerarInforme(QStringLiteral(TOMBOLIN_DATOS_PROGRAMA "/Tombolin1.net"), tablas);
    ASSERT_EQ(r.error, 0) << r.detalle.toStdString();

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("pena.pdf"));
    {
        QTextDocument documento;
        documento.setHtml(r.html);
        QPrinter impresora(QPrinter::HighResolution);
        impresora.setOutputFormat(QPrinter::PdfFormat);
        impresora.setPageSize(QPageSize(QPageSize::A4));
        impresora.setOutputFileName(pdf);
        documento.print(&impresora);
    }
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(20000)) << "pdftotext (poppler-utils) no está instalado";
    ASSERT_EQ(p.exitCode(), 0);
    const QString texto = QString::fromUtf8(p.readAllStandardOutput());
    // The escaped name reads as typed, once the padding is gone.
    for (const char* esperado : {"Peña Amigos & Cía d'Olot\n", "3-12-25-33-41-49",
                                 "10-11-12-13-14-15", "56 euros", "09/03/2024"})
        EXPECT_TRUE(texto.contains(QString::fromUtf8(esperado))) << esperado << "\n"
                                                                 << texto.toStdString();
}

}  // namespace
}  // namespace tombolin
