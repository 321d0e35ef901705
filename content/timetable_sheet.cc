// dati_scheda: the timetable sheet of train 7304 (68 lines). Every row of the
// table has its bars in columns 2, 8, 14, 25, 31, 60, 77 and 83; a row that
// names a stop shows the chainage of the stop's route position.
#include "content/documents.h"

namespace scenario {

LineBuffer TimetableSheet() {
  return {
      // Title block.
      "",
      " ",
      "  ___________________                                                ______________",
      " |                   |                  SCHEDA                      |              |",
      " |   TRENO n. 7304   |                da: VALMERA                   |    V200 C    |",
      " |                   |                 a: MONTEGRIDO                |     130%     |",
      " |___________________|                                              |______________|",
      "  ___________________                ___________________",
      " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ",
      " |        IC         |              |     600T          |",
      " |___________________|              |___________________|",
      "",
      // Table head.
      "  ________________________________________________________________________________",
      " | Vel.| Vel.| Progr Km | No  |  Localita' di Servizio     |    Orario      | Rec |",
      " | Lim.|Marc.|          | Rs  |                            |                |     |",
      " |_____|_____|__________|_____|____________________________|________________|_____|",
      // One row per service location, in route order.
      " |  30 |     |    0     |  30 | VALMERA                    |          13.54 |     |",
      " |  95 |     |    0.650 |  95 | Deviatoi uscita Valmera    |                |     |",
      " |     |     |    4.500 |     | BRESSOLA                   |      14.00     | 0.5 |",
      " | 160 |     |    5.550 | 160 | Deviatoi uscita Bressola   |                |     |",
      " |     |     |   12.850 |     | P.J. MONTALDO              |      14.05     |     |",
      " | 250 |     |   16.250 | 200 | Km 16.250                  |                |     |",
      " |     |     |   24.300 |     | P.C. CASTRELLA             |      14.10     | 0.5 |",
      " |     |     |   32.250 |     | P.C. ORTIGNA               |      14.14     | 0.5 |",
      " |     |     |   44.300 |     | P.C. SALVIGNO              |      14.19     |     |",
      " |     |     |   55.600 |     | P.C. BRUSCAGLIA            |      14.23     | 0.5 |",
      " |     |     |   66.950 |     | P.M. ROCCAGNANO            |      14.27     | 0.5 |",
      " |     |     |   78.400 |     | P.C. PIETRALVA             |      14.32     |     |",
      " |     |     |   89.150 |     | P.C. FAVERNA               |      14.36     | 0.5 |",
      " |     |     |  100.500 |     | P.C. COLMARETO             |      14.40     |     |",
      " |     |     |  111.900 |     | P.J. SPINALDO              |      14.45     | 0.5 |",
      " | 240 |     |  121.050 | 200 | Km 121.050                 |                |     |",
      " |     |     |  123.350 |     | P.C. ROVERENZA             |      14.49     |     |",
      " |     |     |  134.600 |     | P.C. GAVIONE               |      14.54     | 0.5 |",
      " | 250 |     |  143.450 |     | Km 143.450                 |                |     |",
      " |     |     |  146.050 |     | P.C. TERRASOLA             |      14.58     |     |",
      " |     |     |  157.400 |     | P.C. MONTEFRAVO            |      15.02     | 0.5 |",
      " |     |     |  168.900 |     | P.C. SELVINARA             |      15.07     |     |",
      " |     |     |  179.750 |     | P.C. POGGIOLARO            |      15.11     | 0.5 |",
      " | 100 |     |  190.000 | 100 | BIVIO CALVENTO SUD         |      15.15     | 1   |",
      " | 110 |     |  219.200 | 110 |(a) Km 219.200              |                |     |",
      " | 130 |     |  221.150 | 130 |(a) Ponte sul Verzola       |                |     |",
      " |     |     |  222.000 |     |(a) CAMPOLIVO               |      15.17     |     |",
      " | 100 |     |  224.500 | 100 |(a) P.M. VALDERINA          |      15.19     | 0.5 |",
      " |     |     |  227.350 |     |(a) TORRAVA                 | 15.21    15.22 | 0.5 |",
      " | 130 |     |  230.250 | 130 |(a) ARSINELLO               |      15.25     |     |",
      " | 100 |     |  232.900 | 100 |(a) BIVIO CALVENTO NORD     |      15.26     | 1.5 |",
      " | 160 |     |  199.650 | 160 | Km 199.650                 |                |     |",
      " | 250 |     |  201.800 | 200 | Km 201.800                 |                |     |",
      " |     |     |  206.050 |     | P.C. FORNAGGIA             |      15.31     | 0.5 |",
      " |     |     |  216.900 |     | P.C. LISCARO               |      15.36     | 0.5 |",
      " |     |     |  223.950 |     | Viadotto Lisaro            |                |     |  ",
      " |     |     |  228.350 |     | BELMONTINO                 |      15.41     | 0.5 |",
      " |     |     |  238.800 |     | P.C. CERVARANO             |      15.46     | 0.5 |",
      " |     |     |  247.250 |     | P.C. SCALVENNA             |      15.49     | 0.5 |",
      " |     |     |  251.400 |     | P.C. ROSSIGLIO             |      15.51     | 0.5 |",
      " |     |     |  253.850 |     | P.C. VIGNALTA SUD          |      15.52     |     |",
      " |     |     |  254.500 |     | VIGNALTA                   |      15.53     | 0.5 |",
      " | 105 |     |  256.000 | 105 | Km 256.000                 |                |     |",
      " |     |     |  311.150 |     |(a) PRATOFIORE              |      15.55     | 0.5 |",
      " |  75 |     |  312.800 |  75 |(a) Ingresso Montegrido     |                |     |",
      " |     |     |  314.050 |     |(a) MONTEGRIDO              | 15.58          | 2   |",
      // Closing line and footnote.
      " |_____|_____|__________|_____|____________________________|________________|_____|",
      "",
      "                                    Note:",
      "",
      " (a) : Localita` di servizio sulla linea lenta",
      "                        ",
      std::string(kEndMarker),
  };
}

}  // namespace scenario
