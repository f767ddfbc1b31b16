// The statistics over the whole draw history: the scan alone (list, counts, dates, over the
// draws held in memory), and a whole filter change as the user makes it — a click on a weekday
// box of the statistics page, which scans, counts, redraws the chart and writes the report store.
//
//   build/bench/bench_estadisticas
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextStream>

#include "core/estado.h"
#include "core/sorteos.h"
#include "printing/impresora_qt.h"
#include "programa/dialogos_consola.h"
#include "results/transferencia_qt.h"
#include "statistics/seleccion.h"
#include "ui/estadisticas/grafico_frecuencias.h"
#include "ui/estadisticas/pagina_estadisticas.h"
#include "ui/principal/principal.h"

namespace tombolin {
namespace {

const QString kHistorico = QStringLiteral(TOMBOLIN_DATOS_PROGRAMA "/historico/numeros.dat");

class EscritorioMudo : public Escritorio {
  public:
    bool AbrirUrl(const QString&) override { return true; }
    bool NuevoCorreo(const QString&) override { return true; }
};

// A program directory with the shipped files and the whole history.
void PrepararCarpeta(const QString& carpeta) {
    QFile::copy(QStringLiteral(TOMBOLIN_DATOS_PROGRAMA "/tablas.bin"), carpeta + "/tablas.bin");
    QFile::copy(kHistorico, carpeta + "/numeros.dat");
}

void BM_Recorrido(benchmark::State& state) {
    QTemporaryDir dir;
    PrepararCarpeta(dir.path());
    FicheroRegistros canal(Sorteo::kLongitud);
    (void)canal.Abrir(dir.filePath(QStringLiteral("numeros.dat")));
    const std::vector<Sorteo> sorteos = LeerTodosLosSorteos(canal);
    Filtro f;
    f.dias[kSabado] = false;
    for (auto _ : state) {
        Recorrido r = RecorrerSeleccion(sorteos, f, QDateTime(QDate(2026, 12, 6), QTime(12, 0)));
        benchmark::DoNotOptimize(r.veces);
    }
    state.counters["sorteos"] = static_cast<double>(sorteos.size());
}
BENCHMARK(BM_Recorrido)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("median", [](const std::vector<double>& v) {
        std::vector<double> c = v;
        std::nth_element(c.begin(), c.begin() + c.size() / 2, c.end());
        return c[c.size() / 2];
    });

void BM_CambioDeFiltro(benchmark::State& state) {
    QTemporaryDir dir;
    PrepararCarpeta(dir.path());
    // Boxes answered at once, into nowhere: a benchmark waits on nobody.
    QString mensajes;
    QTextStream aNinguna(&mensajes);
    DialogosConsola dialogos(aNinguna);
    EscritorioMudo escritorio;
    RelojSistema reloj;
    ImpresoraQt impresora;
    TransferenciaQt descarga, noticias;
    Principal ventana(dir.path(),
                      Servicios{dialogos, reloj, escritorio, impresora, &descarga, &noticias});
    ventana.CargarPrincipal();
    ventana.resize(1100, 720);
    ventana.show();
    ventana.findChild<QTabWidget*>(QStringLiteral("pestanas"))
        ->setCurrentIndex(Principal::kEstadisticas);
    QCoreApplication::processEvents();
    auto* pagina = ventana.findChild<PaginaEstadisticas*>(QStringLiteral("paginaEstadisticas"));
    auto* jueves = pagina->findChild<QCheckBox*>(QStringLiteral("jueves"));
    QWidget* grafico = pagina->findChild<GraficoFrecuencias*>(QStringLiteral("graficoFrecuencias"))
                           ->findChild<QChartView*>()
                           ->viewport();
    for (auto _ : state) {
        jueves->click();
        // The chart is drawn again before the next change, as on screen.
        grafico->repaint();
    }
    state.counters["filas"] =
        pagina->findChild<QTableView*>(QStringLiteral("listaHistorial"))->model()->rowCount();
}
BENCHMARK(BM_CambioDeFiltro)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

}  // namespace
}  // namespace tombolin

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
