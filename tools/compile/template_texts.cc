#include "tools/compile/template_texts.h"

#include <initializer_list>

namespace scenario {

namespace {

// Comments are fields holding a hyphen, so none of these lines holds a
// comma. Past the line's general section only two comment lines in a row are
// passed over: a blank line (an empty field) ends a run. No comment names a
// record's keyword, so one read as a keyword field would begin nothing.
std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

}  // namespace

std::string TemplateLineText() {
  return Lines({
      "Line description template: replace the values and keep the layout.",
      "Everything up to the general section header is free prose, skipped whatever it holds.",
      "A field ends at a comma or at the line end. Numbers are whole numbers; positions",
      "and lengths are metres along the track from the start of the route.",
      "A comment is a line that begins with a hyphen and holds no comma. In the general",
      "section up to ten comment lines in a row are passed over, further on only two: a",
      "blank line ends a run of comments. Save the text in Windows-1252 (or compile it",
      "with --input-encoding utf-8), and end it with the line [fine].",
      "",
      "[generale]",
      "- Route length in metres (at most 1000000). The grid reaches 7000 m beyond it.",
      "lunghezza percorso,    12000",
      "- Chainage sections: start (m) and chainage offset (m) and flag (1 adds 100 m).",
      "- From its start on the chainage shown is the route position plus the offset.",
      "- Starts and offsets are multiples of 50. Keywords in lower case.",
      "progressiva chilometrica uno,        0,    3000,    0",
      "progressiva chilometrica due,     4000,    3000,    0",
      "progressiva chilometrica tre,     8000,    3000,    0",
      "- Backgrounds: three numbers the compile stores as they are.",
      "sfondo uno,    1",
      "sfondo due,    250000",
      "sfondo tre,    0",
      "- Cab signals repeated from a start to an end (m; multiples of 50; end 0 for none)",
      "- with 9 codes (or write 4 codici for 4 codes).",
      "ripetizione segnali 9 codici,    500,    11500",
      "",
      "[pendenze]",
      "- Gradient: position (m) then per mille from there on (-100 to 155; 0 is level).",
      "- One record for each change in order of position.",
      "pendenza,    3000,    6",
      "",
      "[curve]",
      "- Curve: start (m) then length (m). d turns right and s left; the digit 1 to 6 is",
      "- the radius class: 10000 5000 2500 1000 500 or 333 m. In order and not overlapping.",
      "curvad2,    1500,    600",
      "",
      "[montagne]",
      "- Tunnel: start (m) then end (m) then kind 1 to 10; kind plus 10 also sets a marker",
      "- every 200 m. A tunnel starting 150 m or less after the previous one's end gets kind 3.",
      "montagna,    5000,    5800,    11",
      "",
      "[cartelli]",
      "- Speed boards: position (m) then the left board's three speeds (km/h) and stripes",
      "- then the right board's. Speeds in multiples of 5 up to 495; stripes 0 to 9.",
      "indicatori_vmax,    1050,    100, 100, 100, 0,    100, 100, 100, 0",
      "",
      "[indicazioni]",
      "- Sign board: position (m) then its text up to the line end (no comma in it).",
      "cartello indicatore,    6200,    (  Km.  ) (  9.200 )",
      "[fine]",
  });
}

std::string TemplateTrainText() {
  return Lines({
      "Train description template: replace the values and keep the layout.",
      "Everything up to the general section header is free prose, skipped whatever it holds.",
      "Records are found wherever they stand after it; the bracketed headers are only for",
      "the reader. Two comment lines in a row at most: a blank line ends a run of comments.",
      "",
      "[generale]",
      "- Number of carriages; braked mass in per cent of the train's mass.",
      "numero vetture,    6",
      "percentuale massa frenata,    120",
      "- Sand: one number stored as it is (-32768 to 32767).",
      "sabbia,    200",
      "",
      "- Clock at the start of the run: hours then minutes then seconds.",
      "orologio,    8  14  30",
      "",
      "[aderenze]",
      "- Adhesion: position (m) then a value 0 to 255 from there on (before it 0).",
      "aderenza,       0,    80",
      "",
      "[vel_limite]",
      "- Line speed limit: position (m) then km/h from there on in multiples of 5 (before it 0).",
      "velocita' limite ,       0,    100",
      "",
      "[stazioni]",
      "- Stops in order: position (multiple of 50) then kind then zone length (multiple of 100)",
      "- then tps tab mar then d2 d3 rap then d1 d2 d3 ac then the time h m s (0 0 0: none) then name.",
      "",
      "- Kind 8 (first) and 6 (last): zone behind the position; 25 and above: no stop point.",
      "- The first stop's tab and mar are stored as 0; tab also below a 600 m zone.",
      "stazione,        0,   8,  500,    1, 0, 0,    4, 0, 0,    2, 1, 0,  1,    8, 15,  0,  ALFA",
      "stazione,    11000,   6,  600,    1, 0, 0,    0, 0, 0,    0, 0, 0,  0,    8, 28,  0,  BETA",
      "",
      "[segnali]",
      "- Signal: position (m) then the left group sx s1 s2 s3 rapp then the right group",
      "- dx d1 d2 d3 tempo. s and d digits 0 to 9; sx 0 to 3; dx 0 to 2; rapp 0 to 9.",
      "",
      "- tempo: 0 for none; 1 to 100 are kept as 101; only kept when sx is 2.",
      "segnale,    2550,    2, 4, 0, 0, 0,    2, 1, 0, 0, 0",
      "",
      "[rallentamenti]",
      "- Slowdown: start (m) then speed (km/h) then length (m) then f_tt then f_ta",
      "- (not 0: four pre-warning boards) then d_v (not 0: written into every board).",
      "rallentamento,    8500,    60,    300,    0,    1,    0",
      "",
      "[codici]",
      "- Code reduction: position (m) then the code (0 or less: code zero).",
      "abbattimento codice,    3000,    270",
      "[fine]",
  });
}

}  // namespace scenario
