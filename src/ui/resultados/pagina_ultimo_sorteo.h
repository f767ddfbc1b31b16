#pragma once

#include <QWidget>
#include <array>

#include "core/estado.h"
#include "results/transferencia.h"
#include "ui/base/servicios.h"

class QLabel;
class QPdfDocument;
class QPdfView;
class QPlainTextEdit;
class QStackedWidget;

namespace tombolin {

class BolasSorteo;
class DatosPrograma;

// The "Último sorteo" page: the title and the numbers of the most recent draw held, the six
// prize categories read from the last results document, and the operator's official PDF of that
// draw — or, in its place, a message that says why it can't be shown.
class PaginaUltimoSorteo : public QWidget {
    Q_OBJECT

  public:
    // File the official PDF is kept in.
    static constexpr const char* kFicheroPdf = "mavo.pdf";

    // What the syndicates won in the draw shown follows `datos`.
    PaginaUltimoSorteo(Estado& estado, Servicios servicios, Transferencia& transferencia,
                       QString servicioOperador, const DatosPrograma& datos,
                       QWidget* padre = nullptr);

    // 0 after a download (fetches the PDF first); any other value to show what is held.
    void MostrarDesglose(int modo);
    // A new download starts: the PDF has not been fetched in it yet.
    void EmpiezaDescarga() { pdfDescargado_ = false; }
    void MostrarMensaje(const QString& texto);

    QString Titulo() const;
    QString Categoria(int k) const;
    QString Mensaje() const;
    bool PdfVisible() const;

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

  private:
    void MostrarPdf();
    // Under the breakdown: what each syndicate won in the draw on show.
    void MostrarGanado();

    Estado& estado_;
    Servicios servicios_;
    Transferencia& transferencia_;
    QString servicio_;

    QLabel* titulo_;
    BolasSorteo* bolas_;
    const DatosPrograma& datos_;
    QLabel* ganado_;
    std::array<QLabel*, 6> nombres_{};
    std::array<QLabel*, 6> categorias_{};
    QStackedWidget* documento_;
    QPlainTextEdit* mensaje_;
    QPdfDocument* pdf_;
    QPdfView* vista_;

    QString textoMensaje_;  // as given: the pane shows line ends its own way
    QString direccionPdf_;
    bool pdfDescargado_ = false;
    bool pdfFallido_ = false;
    bool pdfNoEnviado_ = false;  // the download's answer for the PDF was no PDF
    bool avisoLector_ = false;
};

}  // namespace tombolin
