#pragma once

#include <QWidget>

class QChartView;
class QPieSeries;

namespace tombolin {

// A two-slice pie: draws without a prize and prizes. The chart itself is built when first shown:
// the pages that hold pies are not on show at start, and a chart costs milliseconds to build.
// Its accessible description reads the two slices as percentages.
class GraficoTarta : public QWidget {
    Q_OBJECT

  public:
    explicit GraficoTarta(QWidget* padre = nullptr);
    void Poner(double sinPremio, double conPremio);
    // The slices as drawn; -1 before the pie is first shown.
    double SinPremio() const;
    double ConPremio() const;

  protected:
    void showEvent(QShowEvent* evento) override;

  private:
    void Describir();

    double sinPremio_ = 1, conPremio_ = 0;
    QPieSeries* serie_ = nullptr;
};

}  // namespace tombolin
