#pragma once

#include <QStringList>
#include <QWidget>
#include <array>
#include <vector>

class QBarCategoryAxis;
class QBarSeries;
class QChart;
class QValueAxis;

namespace tombolin {

struct Recorrido;

// How often each number came out, as bars: one page of 25 numbers (1..25 or 25..49), in one
// series, or three (Monday, Thursday, Saturday) with their legend for the comparison. The chart
// is built when first shown (its page is not on show at start) and then changed in place. Its
// accessible description reads every bar, so a screen reader gets what the picture shows.
class GraficoFrecuencias : public QWidget {
    Q_OBJECT

  public:
    explicit GraficoFrecuencias(QWidget* padre = nullptr);

    void Mostrar(const Recorrido& r, int pagina, bool comparativa);

    // What the bars show: each series' name and its 25 values, and the categories; empty before
    // the chart is first shown.
    std::vector<std::pair<QString, std::vector<int>>> Series() const;
    QStringList Categorias() const;
    bool LeyendaVisible() const;
    // The value axis as drawn: from `minimo` to `maximo` in `marcas` labels; zeros before the
    // chart is first shown.
    struct Escala {
        double minimo = 0, maximo = 0;
        int marcas = 0;
    };
    Escala EscalaVertical() const;

  protected:
    void showEvent(QShowEvent* evento) override;

  private:
    void Aplicar();

    std::vector<std::pair<QString, std::vector<int>>> series_;
    QStringList categorias_;
    QChart* grafico_ = nullptr;
    QBarSeries* serie_ = nullptr;
    QBarCategoryAxis* ejeX_ = nullptr;
    QValueAxis* ejeY_ = nullptr;
};

}  // namespace tombolin
