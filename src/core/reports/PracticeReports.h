// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/print/PrintLayer.h"

namespace pw {

// The agenda of a stored practice session: its header, the timed rows, then a sheet for each
// drill of the agenda, four to a page (portrait); texts too long for their sheet go on in the
// same quarter of the pages behind it. Reads, never writes.
constexpr int kPracticeAgendaOrientation = Printout::Portrait;
void PrintPracticeAgenda(Printout& p, qint16 teamNo, qint32 practiceId);

// One drill sheet in the quarter page whose top-left corner is (offX, offY) twips: the drill's
// name, its diagram and its texts, kept inside the quarter; what does not fit goes on at the
// same place of the next pages.
void PrintDrill(Printout& p, qint32 drillId, double offX, double offY);

}  // namespace pw
