#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "core/registros.h"
#include "results/transferencia.h"

// What the download tells the user, worked out without a window: the failures by their real
// cause, and the draws that are still missing after a download that stopped.
namespace tombolin {

// The box shown when no answer came within five seconds.
QString TextoNoConectado();
// The box shown when an answer began and did not end within thirty seconds.
QString TextoTardaEnResponder();
// An answer that came cut short, or that Qt's JSON parser finds spoilt.
QString TextoRespuestaIncompleta();
// An answer whose draws could not be read.
QString TextoDatosCorruptos();
// An answer that is no list of draws (a web page, an object).
QString TextoRespuestaExtrana();

// The real cause of a failed transfer, for the line after the message of the failure (an
// untrusted certificate, a redirect to plain HTTP, an HTTP error status); empty when the message
// itself says it (no connection, no answer).
QString CausaDelFallo(const Transferencia& transferencia);

// The draws the file still lacks after a download that stopped half-way: those after the newest
// one held (from the next draw day on, if it is not after `hoy`) and the days the shipped history
// lacks (`SorteosQueFaltan`). Empty when none is missing. `sorteos`: the draws that could be.
QString TextoFaltan(const std::vector<Sorteo>& sorteos, QDate hoy);

// What the status bar says while a download runs, with the request in hand (`tramo`, as the
// progress bar describes it) when there are several.
QString TextoEsperan(const QString& tramo);

}  // namespace tombolin
