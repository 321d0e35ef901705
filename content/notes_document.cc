// dati_note: the notes for the driver (47 lines). The one letter outside
// 7-bit ASCII, the u with grave accent on line 44, is the single byte 0xF9.
#include "content/documents.h"

namespace scenario {

LineBuffer NotesDocument() {
  return {
      "",
      "                NOTE AL TRENO IC 7304 VALMERA - MONTEGRIDO, PERCORSO CORVENA_LIDRA1",
      "",
      " Il treno 7304 e' un Intercity con una sola fermata intermedia, a Torrava, e termina la",
      " corsa a Montegrido. Da Valmera percorre la direttissima fino al Bivio Calvento Sud, dove",
      " passa sulla linea lenta; la lascia al Bivio Calvento Nord per tornare sulla direttissima",
      " e, dopo Vignalta, prende di nuovo la linea lenta fino a Montegrido. A ogni cambio di linea",
      " cambia anche la progressiva chilometrica: al km 190.000 della direttissima si passa al km",
      " 219.200 della linea lenta, dopo il Bivio Calvento Nord si torna al km 199.650 della",
      " direttissima e dopo Vignalta si prosegue dal km 310.100 della linea lenta.",
      " Non ci sono rallentamenti in vigore e tutti i segnali sono disposti a via libera.",
      " L'aderenza e' ridotta fino a Torrava per la pioggia caduta in mattinata; da Torrava in",
      " poi le rotaie sono asciutte e l'aderenza torna normale.",
      " Viaggiando sempre alla massima velocita' consentita il treno arriva in anticipo sui tempi",
      " della scheda: conviene regolare la marcia sugli orari di passaggio indicati.",
      " Per la linea non esiste una scheda treno ufficiale: la scheda allegata e' stata",
      " ricostruita dall'orario e dalle velocita' della linea, e i tempi di passaggio sono",
      " arrotondati al minuto.",
      " Nella galleria che precede Vignalta il codice ripetuto in cabina viene ridotto a 180:",
      " sono codici restrittivi che obbligano a rallentare anche se i segnali sono a via",
      " libera, e dopo la galleria la marcia riprende normalmente.",
      " Il profilo altimetrico del tratto fra Torrava e il Bivio Calvento Nord e il profilo",
      " dell'ultimo chilometro prima di Montegrido sono solo approssimati e differiscono dal vero.",
      " Il binario di collegamento fra i due bivi, percorso a 100 km/h, e' simulato come una",
      " stazione: il simulatore mostra la fermata dei bivi, ma il treno vi transita senza",
      " fermarsi, come nelle altre localita' di servizio che non sono fermate dell'orario.",
      " Buon viaggio.",
      "",
      "",
      "Modifiche al tracciato, aggiornamento di marzo 2009",
      "Le modifiche riguardano il tratto fra il Bivio Calvento Nord e Montegrido e sono state",
      "fatte a memoria, dopo alcuni viaggi sulla linea, senza disporre di rilievi o di dati",
      "ufficiali: posizioni e lunghezze sono percio' approssimate.",
      "",
      "Rispetto alla versione precedente sono cambiati:",
      "- la galleria dopo il P.C. Rossiglio, spostata di circa 300 m verso Montegrido e",
      "  allungata fino a 1750 m, con i codici ridotti a 180 che ora cadono tutti in",
      "  galleria;",
      "- la galleria fra Belmontino e il P.C. Cervarano, accorciata a 650 m e spostata",
      "  verso Belmontino;",
      "- il cavalcavia poco prima di Montegrido, simulato come una galleria di 150 m",
      "  perche' il simulatore non ha altri modi per rappresentarlo;",
      "- la breve galleria prima di Pratofiore, che nella versione precedente mancava:",
      "  ora e' lunga 250 m, forse un po' pi\xF9 che nella realta', e sta",
      "  subito dopo l'innesto sulla linea lenta.",
      "",
      "                                                            Dario Morvillo",
      std::string(kEndMarker),
  };
}

}  // namespace scenario
