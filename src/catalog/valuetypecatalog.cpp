#include "valuetypecatalog.h"

#include "devicefonts.h"

#include <iterator>

namespace zef {

namespace {

// Element kinds and graphic kinds: the id of an entry is its position.
struct KindRow {
    const char* name;
    const char* code;
    int level;
};

struct ValueTypeRow {
    const char* name;
    const char* code;
    int id;
    const char* sampleValue;
    const char* displayPattern;
    int level;
};

// Levels: names without a prefix 30 (every device), "(M) " 35, "(H) " 500.
// Text-valued value types have ids below 10 and carry their preview text as the pattern.

// clang-format off
// name, code, level
const KindRow ElementKindTable[] = {
    /*  0 */ {"Value",         "V",    30},
    /*  1 */ {"Graphic",       "G",    30},
    /*  2 */ {"Dynamic color", "C",    30},
    /*  3 */ {"- Seperator -", "S",    30},
};

// name, code, level
const KindRow GraphicKindTable[] = {
    /*  0 */ {"Line",                   "LN",   30},
    /*  1 */ {"Circle",                 "CR",   30},
    /*  2 */ {"Circle filled",          "CF",   30},
    /*  3 */ {"Rectangle",              "RC",   30},
    /*  4 */ {"Rectangle filled",       "RF",   30},
    /*  5 */ {"Rct hor. filled",        "RH",   30},
    /*  6 */ {"Rct vert. filled",       "RV",   30},
    /*  7 */ {"Arc",                    "AC",   30},
    /*  8 */ {"Arc dyn. filled",        "AF",   30},
    /*  9 */ {"(H) Direction arrow",    "DA",  500},
    /* 10 */ {"(H) Direction triangle", "DT",  500},
    /* 11 */ {"(H) Graph left/top",     "GL",  500},
    /* 12 */ {"(H) Graph right/top",    "GR",  500},
    /* 13 */ {"(H) Graph left/bottom",  "GB",  500},
    /* 14 */ {"(H) Graph right/bottom", "GT",  500},
};

// Position 60 ends in a space; "WA" is carried by 56 and 57, so a code lookup finds 56.
// name, code, config string id, sample value, display pattern, level
const ValueTypeRow ValueTypeTable[] = {
    /*   0 */ {"-- None --",                           "FX",   0, "",                  "",                   30},
    /*   1 */ {"(M) Name of destination",              "ND",   1, "Mordor",            "Mordor",             35},
    /*   2 */ {"(M) Name of next point",               "NN",   2, "Eribor",            "Eribor",             35},
    /*   3 */ {"Current date/time",                    "CT",  10, "63312",             "$D.$N.$Y $H:$M:$S",  30},
    /*   4 */ {"Timer time",                           "TT",  11, "4374",              "$H:$M:$S",           30},
    /*   5 */ {"(H) Current pause time",               "PT",  12, "374",               "$H:$M:$S",          500},
    /*   6 */ {"(M) Elapsed time",                     "ET",  13, "3356",              "$H:$M:$S",           35},
    /*   7 */ {"(M) Last lap time",                    "LL",  14, "326",               "$H:$M:$S",           35},
    /*   8 */ {"(M) Current lap time",                 "LT",  15, "1326",              "$H:$M:$S",           35},
    /*   9 */ {"(M) ETA (curr. sp)",                   "EC",  16, "3337",              "$H:$M:$S",           35},
    /*  10 */ {"(M) ETA (avg. sp)",                    "EV",  17, "2334",              "$H:$M:$S",           35},
    /*  11 */ {"(M) Time to dest (curr. sp)",          "TC",  18, "925",               "$M:$S",              35},
    /*  12 */ {"(M) Time to dest (avg. sp)",           "TV",  19, "825",               "$M:$S",              35},
    /*  13 */ {"(M) ETA next p. (curr. sp)",           "PC",  20, "3563",              "$H:$M:$S",           35},
    /*  14 */ {"(M) ETA next p. (avg. sp)",            "PV",  21, "2382",              "$H:$M:$S",           35},
    /*  15 */ {"(M) Time to next p. (curr. sp)",       "NC",  22, "425",               "$M:$S",              35},
    /*  16 */ {"(M) Time to next p. (avg. sp)",        "NV",  23, "267",               "$M:$S",              35},
    /*  17 */ {"(M) Total pause time",                 "TI",  26, "374",               "$H:$M:$S",           35},
    /*  18 */ {"Current pace",                         "CP",  30, "280",               "$M:$S",              30},
    /*  19 */ {"Average pace",                         "AP",  31, "254",               "$M:$S",              30},
    /*  20 */ {"Maximum pace",                         "MP",  32, "211",               "$M:$S",              30},
    /*  21 */ {"(M) Last lap avg. pace",               "LP",  33, "280",               "$M:$S",              35},
    /*  22 */ {"(M) Current lap avg. pace",            "CE",  34, "260",               "$M:$S",              35},
    /*  23 */ {"(M) Average pace (elapsed)",           "EP",  35, "234",               "$M:$S",              35},
    /*  24 */ {"Elapsed Distance",                     "DS",  50, "12.56",             "$V",                 30},
    /*  25 */ {"(M) Distance to destination",          "DD",  51, "25.56",             "$V",                 35},
    /*  26 */ {"(M) Distance to next point",           "DN",  52, "28.34",             "$V",                 35},
    /*  27 */ {"(H) Distance to coordinate",           "DC",  57, "8.34",              "$V",                500},
    /*  28 */ {"(M) Current lap distance",             "LD",  53, "2.23",              "$V",                 35},
    /*  29 */ {"(M) Last lap distance",                "LI",  54, "1.21",              "$V",                 35},
    /*  30 */ {"(M) Odometer",                         "OM",  56, "1121.21",           "$V",                 35},
    /*  31 */ {"Current speed",                        "CS",  60, "45.34",             "$V",                 30},
    /*  32 */ {"Average speed",                        "AS",  61, "34.76",             "$V",                 30},
    /*  33 */ {"Maximum speed",                        "MS",  62, "65.34",             "$V",                 30},
    /*  34 */ {"(M) Last lap avg. speed",              "LS",  63, "34.2",              "$V",                 35},
    /*  35 */ {"(M) Current lap avg. speed",           "CV",  64, "32.2",              "$V",                 35},
    /*  36 */ {"(M) Average speed (elapsed)",          "AD",  65, "14.36",             "$V",                 35},
    /*  37 */ {"(M) Difference Avg-Curr speed",        "DE",  67, "4.36",              "$V",                 35},
    /*  38 */ {"(M) Current cadence",                  "CC",  70, "167.34",            "$V",                 35},
    /*  39 */ {"(M) Average cadence",                  "AC",  71, "188.45",            "$V",                 35},
    /*  40 */ {"(M) Maximum cadence",                  "MC",  72, "210.55",            "$V",                 35},
    /*  41 */ {"(M) Steps goal",                       "SG", 232, "10000",             "$V",                 35},
    /*  42 */ {"(M) Steps today",                      "ST", 233, "4536",              "$V",                 35},
    /*  43 */ {"(M) Steps remaining to goal",          "SL", 234, "5464",              "$V",                 35},
    /*  44 */ {"(M) Steps in activity",                "SY", 235, "1464",              "$V",                 35},
    /*  45 */ {"(H) Active minutes day moderate",      "SA", 236, "164",               "$V",                500},
    /*  46 */ {"(H) Active minutes day total",         "SM", 237, "264",               "$V",                500},
    /*  47 */ {"(H) Active minutes day vigorous",      "SV", 238, "64",                "$V",                500},
    /*  48 */ {"(H) Active minutes week moderate",     "SW", 239, "1865",              "$V",                500},
    /*  49 */ {"(H) Active minutes week total",        "SI", 240, "1065",              "$V",                500},
    /*  50 */ {"(H) Active minutes week vigorous",     "SU", 241, "1165",              "$V",                500},
    /*  51 */ {"(H) Active minutes week goal",         "SO", 242, "2124",              "$V",                500},
    /*  52 */ {"(M) Current bike power",               "CB",  75, "455.34",            "$V",                 35},
    /*  53 */ {"(M) Average bike power",               "AB",  76, "347.23",            "$V",                 35},
    /*  54 */ {"(M) Maximum bike power",               "MB",  77, "633.13",            "$V",                 35},
    /*  55 */ {"(H) % FTP",                            "FT",  78, "78.13",             "$V",                500},
    /*  56 */ {"(H) Watt per kg/pound",                "WA",  79, "5.13",              "$V",                500},
    /*  57 */ {"(H) Watt per kg/pound NP",             "WA",  89, "4.23",              "$V",                500},
    /*  58 */ {"(H) Variability index",                "WI", 108, "2.23",              "$V",                500},
    /*  59 */ {"(H) Intensity factor",                 "IF", 109, "3.62",              "$V",                500},
    /*  60 */ {"(H) Norm b. pow. ",                    "NB",  80, "425.34",            "$V",                500},
    /*  61 */ {"(H) Norm b. pow. without zeros",       "NP",  81, "415.34",            "$V",                500},
    /*  62 */ {"(H) Last Lap NP",                      "LB",  82, "325.34",            "$V",                500},
    /*  63 */ {"(H) Last Lap NP without zeros",        "LA",  83, "315.34",            "$V",                500},
    /*  64 */ {"(H) Curr Lap NP",                      "ZB",  84, "225.34",            "$V",                500},
    /*  65 */ {"(H) Curr Lap NP without zeros",        "ZA",  85, "215.34",            "$V",                500},
    /*  66 */ {"(H) Last Lap avg power",               "LC",  86, "217.34",            "$V",                500},
    /*  67 */ {"(H) Curr Lap avg power",               "ZZ",  88, "245.34",            "$V",                500},
    /*  68 */ {"(H) Curr Lap avg power without zeros", "ZD",  87, "245.34",            "$V",                500},
    /*  69 */ {"(H) TSS",                              "TS", 148, "55",                "$V",                500},
    /*  70 */ {"(H) Power zone number",                "PZ", 149, "4",                 "$V",                500},
    /*  71 */ {"(H) Time in power zone 0",             "H0", 150, "326",               "$M:$S",             500},
    /*  72 */ {"(H) Time in power zone 1",             "H1", 151, "425",               "$M:$S",             500},
    /*  73 */ {"(H) Time in power zone 2",             "H2", 152, "528",               "$M:$S",             500},
    /*  74 */ {"(H) Time in power zone 3",             "H3", 153, "219",               "$M:$S",             500},
    /*  75 */ {"(H) Time in power zone 4",             "H4", 154, "126",               "$M:$S",             500},
    /*  76 */ {"(H) Time in power zone 5",             "H5", 155, "621",               "$M:$S",             500},
    /*  77 */ {"(H) Time in power zone 6",             "H6", 156, "121",               "$M:$S",             500},
    /*  78 */ {"(H) % in power zone 0",                "S0", 157, "25",                "$V",                500},
    /*  79 */ {"(H) % in power zone 1",                "S1", 158, "15",                "$V",                500},
    /*  80 */ {"(H) % in power zone 2",                "S2", 159, "20",                "$V",                500},
    /*  81 */ {"(H) % in power zone 3",                "S3", 160, "17",                "$V",                500},
    /*  82 */ {"(H) % in power zone 4",                "S4", 161, "3",                 "$V",                500},
    /*  83 */ {"(H) % in power zone 5",                "S5", 162, "19",                "$V",                500},
    /*  84 */ {"(H) % in power zone 6",                "S6", 163, "1",                 "$V",                500},
    /*  85 */ {"(H) Front derailleur index",           "U0", 164, "1",                 "$V",                500},
    /*  86 */ {"(H) Front derailleur max",             "U1", 165, "10",                "$V",                500},
    /*  87 */ {"(H) Front derailleur size",            "U2", 166, "5",                 "$V",                500},
    /*  88 */ {"(H) Rear derailleur index",            "U3", 167, "1",                 "$V",                500},
    /*  89 */ {"(H) Rear derailleur max",              "U4", 168, "10",                "$V",                500},
    /*  90 */ {"(H) Rear derailleur size",             "U5", 169, "5",                 "$V",                500},
    /*  91 */ {"(H) ANT BikeCad status",               "A0", 170, "1",                 "$T",                500},
    /*  92 */ {"(H) ANT BikeCad battery",              "A1", 171, "3",                 "$T",                500},
    /*  93 */ {"(H) ANT BikeCad cadence",              "A2", 172, "111",               "$V",                500},
    /*  94 */ {"(H) ANT BikeSpeedCad status",          "B0", 173, "1",                 "$T",                500},
    /*  95 */ {"(H) ANT BikeSpeedCad battery",         "B1", 174, "3",                 "$T",                500},
    /*  96 */ {"(H) ANT BikeSpeedCad cadence",         "B2", 175, "112",               "$V",                500},
    /*  97 */ {"(H) ANT BikeSpeedCad speed",           "B3", 176, "25.4",              "$V",                500},
    /*  98 */ {"(H) ANT BikeSpeedCad distance",        "B4", 177, "125.3",             "$V",                500},
    /*  99 */ {"(H) ANT BikeSpeed status",             "C0", 178, "1",                 "$T",                500},
    /* 100 */ {"(H) ANT BikeSpeed battery",            "C1", 179, "3",                 "$T",                500},
    /* 101 */ {"(H) ANT BikeSpeed speed",              "C2", 180, "22.7",              "$V",                500},
    /* 102 */ {"(H) ANT BikeSpeed distance",           "C3", 181, "125.3",             "$V",                500},
    /* 103 */ {"(H) ANT Shift status",                 "D0", 182, "1",                 "$T",                500},
    /* 104 */ {"(H) ANT Shift battery",                "D1", 183, "4",                 "$T",                500},
    /* 105 */ {"(H) ANT Shift front gearIndex",        "D2", 184, "2",                 "$V",                500},
    /* 106 */ {"(H) ANT Shift front gearMax",          "D3", 185, "6",                 "$V",                500},
    /* 107 */ {"(H) ANT Shift front gearSize",         "D4", 186, "7",                 "$V",                500},
    /* 108 */ {"(H) ANT Shift rear gearIndex",         "D5", 187, "2",                 "$V",                500},
    /* 109 */ {"(H) ANT Shift rear gearMax",           "D6", 188, "6",                 "$V",                500},
    /* 110 */ {"(H) ANT Shift rear gearSize",          "D7", 189, "7",                 "$V",                500},
    /* 111 */ {"(H) ANT BPower status",                "E0", 190, "1",                 "$T",                500},
    /* 112 */ {"(H) ANT BPower battery",               "E1", 191, "4",                 "$T",                500},
    /* 113 */ {"(H) ANT BPower Calc cadence",          "E2", 192, "117",               "$V",                500},
    /* 114 */ {"(H) ANT BPower Calc power",            "E3", 193, "217",               "$V",                500},
    /* 115 */ {"(H) ANT BPower Calc wheel dist",       "E4", 194, "217",               "$V",                500},
    /* 116 */ {"(H) ANT BPower Calc wheel speed",      "E5", 195, "14.5",              "$V",                500},
    /* 117 */ {"(H) ANT BPower Pedal power left %",    "E6", 196, "54.5",              "$V",                500},
    /* 118 */ {"(H) ANT BPower Pedal power right %",   "E7", 197, "45.5",              "$V",                500},
    /* 119 */ {"(H) ANT BPower LoC pedal smooth",      "E8", 198, "10.5",              "$V",                500},
    /* 120 */ {"(H) ANT BPower L torq effectivn",      "E9", 199, "15.5",              "$V",                500},
    /* 121 */ {"(H) ANT BPower R pedal smooth",        "F0", 200, "25.5",              "$V",                500},
    /* 122 */ {"(H) ANT BPower R torq effectivn",      "F1", 201, "15.5",              "$V",                500},
    /* 123 */ {"(H) ANT FitEqu status",                "G0", 202, "1",                 "$T",                500},
    /* 124 */ {"(H) ANT FitEqu battery",               "G1", 203, "4",                 "$T",                500},
    /* 125 */ {"(H) ANT FitEqu distance",              "G2", 204, "11.7",              "$V",                500},
    /* 126 */ {"(H) ANT FitEqu heartrate",             "G3", 205, "157",               "$V",                500},
    /* 127 */ {"(H) ANT FitEqu speed",                 "G4", 206, "11.5",              "$V",                500},
    /* 128 */ {"(H) ANT RunDyn status",                "I0", 207, "1",                 "$T",                500},
    /* 129 */ {"(H) ANT RunDyn battery",               "I1", 208, "4",                 "$T",                500},
    /* 130 */ {"(H) ANT RunDyn cadence",               "I2", 209, "117",               "$V",                500},
    /* 131 */ {"(H) ANT RunDyn ground cont balnce",    "I3", 210, "11.7",              "$V",                500},
    /* 132 */ {"(H) ANT RunDyn ground cont time",      "I4", 211, "117",               "$V",                500},
    /* 133 */ {"(H) ANT RunDyn stance time",           "I5", 212, "21.7",              "$V",                500},
    /* 134 */ {"(H) ANT RunDyn step count",            "I6", 213, "117",               "$V",                500},
    /* 135 */ {"(H) ANT RunDyn step length",           "I7", 214, "127",               "$V",                500},
    /* 136 */ {"(H) ANT RunDyn vert oscillation",      "I8", 215, "1317",              "$V",                500},
    /* 137 */ {"(H) ANT RunDyn vert ratio",            "I9", 216, "51.7",              "$V",                500},
    /* 138 */ {"(H) ANT RunDyn walking flag",          "J0", 217, "1",                 "$V",                500},
    /* 139 */ {"(H) ANT BikeRadar status",             "J1", 218, "1",                 "$T",                500},
    /* 140 */ {"(H) ANT BikeRadar battery",            "J2", 219, "4",                 "$T",                500},
    /* 141 */ {"(H) ANT LightNet status",              "K0", 220, "1",                 "$T",                500},
    /* 142 */ {"(H) ANT LightNet battery",             "K1", 221, "4",                 "$T",                500},
    /* 143 */ {"(H) ANT LightNet Headlight mode",      "K2", 222, "4",                 "$T",                500},
    /* 144 */ {"(H) ANT LightNet Taillight mode",      "K3", 223, "4",                 "$T",                500},
    /* 145 */ {"(H) ANT LightNet Sig. left mode",      "K4", 224, "4",                 "$T",                500},
    /* 146 */ {"(H) ANT LightNet Sig. right mode",     "K5", 225, "4",                 "$T",                500},
    /* 147 */ {"(H) ANT LightNet Sig. config mode",    "K6", 226, "4",                 "$T",                500},
    /* 148 */ {"(H) ANT LightNet Other mode",          "K7", 227, "4",                 "$T",                500},
    /* 149 */ {"Current altitude",                     "CL",  90, "478.22",            "$V",                 30},
    /* 150 */ {"Total ascent",                         "TA",  91, "423.66",            "$V",                 30},
    /* 151 */ {"Total descent",                        "TD",  92, "457.21",            "$V",                 30},
    /* 152 */ {"(H) Total season ascent",              "TN",  48, "5457.21",           "$V",                500},
    /* 153 */ {"(H) Current lap ascent",               "TR",  49, "54.33",             "$V",                500},
    /* 154 */ {"(M) Altitude difference from start",   "AI",  58, "137.44",            "$V",                 35},
    /* 155 */ {"(H) VAM total avg",                    "VM",  99, "678.22",            "$V",                500},
    /* 156 */ {"(H) VAM current avg",                  "VC", 107, "374.12",            "$V",                500},
    /* 157 */ {"(H) Minimum altitude",                 "MA",  93, "143.22",            "$V",                500},
    /* 158 */ {"(H) Maximum altitude",                 "ML",  94, "2678.22",           "$V",                500},
    /* 159 */ {"Gradient",                             "GR",  95, "6.69",              "$V",                 30},
    /* 160 */ {"(H) Minimum gradient",                 "GM",  96, "-3.62",             "$V",                500},
    /* 161 */ {"(H) Maximum gradient",                 "GT",  97, "16.39",             "$V",                500},
    /* 162 */ {"(H) Average gradient",                 "GG",  98, "8.49",              "$V",                500},
    /* 163 */ {"Curr. heartrate",                      "HR", 100, "183.55",            "$V",                 30},
    /* 164 */ {"Curr. heartrate %HFmax",               "HP", 101, "84.12",             "$V",                 30},
    /* 165 */ {"Average heartrate",                    "AH", 102, "154.49",            "$V",                 30},
    /* 166 */ {"Maximum heartrate",                    "MH", 103, "204.79",            "$V",                 30},
    /* 167 */ {"Heartrate zone number",                "HZ", 104, "4",                 "$V",                 30},
    /* 168 */ {"(H) Last lap avg HR",                  "CY", 105, "154.39",            "$V",                500},
    /* 169 */ {"(H) Current lap avg HR",               "CW", 106, "103.59",            "$V",                500},
    /* 170 */ {"(M) Time in HR zone 0",                "T0", 130, "326",               "$M:$S",              35},
    /* 171 */ {"(M) Time in HR zone 1",                "T1", 131, "425",               "$M:$S",              35},
    /* 172 */ {"(M) Time in HR zone 2",                "T2", 132, "528",               "$M:$S",              35},
    /* 173 */ {"(M) Time in HR zone 3",                "T3", 133, "219",               "$M:$S",              35},
    /* 174 */ {"(M) Time in HR zone 4",                "T4", 134, "126",               "$M:$S",              35},
    /* 175 */ {"(M) Time in HR zone 5",                "T5", 135, "621",               "$M:$S",              35},
    /* 176 */ {"(M) % in HR zone 0",                   "P0", 136, "15",                "$V",                 35},
    /* 177 */ {"(M) % in HR zone 1",                   "P1", 137, "25",                "$V",                 35},
    /* 178 */ {"(M) % in HR zone 2",                   "P2", 138, "10",                "$V",                 35},
    /* 179 */ {"(M) % in HR zone 3",                   "P3", 139, "18",                "$V",                 35},
    /* 180 */ {"(M) % in HR zone 4",                   "P4", 140, "13",                "$V",                 35},
    /* 181 */ {"(M) % in HR zone 5",                   "P5", 141, "19",                "$V",                 35},
    /* 182 */ {"(M) Calories spent",                   "CA", 110, "1563.77",           "$V",                 35},
    /* 183 */ {"(M) Lap number",                       "LR", 111, "17",                "$V",                 35},
    /* 184 */ {"(M) Pressure",                         "PR", 112, "1077.33",           "$V",                 35},
    /* 185 */ {"Battery value",                        "BV", 113, "87",                "$V",                 30},
    /* 186 */ {"GPS accuracy",                         "GA", 114, "3",                 "$V",                 30},
    /* 187 */ {"GPS high acc indicator",               "GH", 115, "1",                 "$V",                 30},
    /* 188 */ {"(H) Current longitude",                "LO",   8, "47.3542342",        "47.3542342",        500},
    /* 189 */ {"(H) Current latitude",                 "LU",   9, "15.1343542",        "15.1343542",        500},
    /* 190 */ {"(H) Current heading",                  "HA", 124, "122",               "$T",                500},
    /* 191 */ {"(H) Track (direction of travel)",      "DI", 126, "124",               "$T",                500},
    /* 192 */ {"(M) Training effect",                  "TE", 116, "4.2",               "$V",                 35},
    /* 193 */ {"(H) Bike curr gear",                   "BG", 117, "5",                 "220;30;10;12;14;16;18;21;24;28;32;36;42;50", 500},
    /* 194 */ {"Temperature",                          "TM", 120, "18.4",              "$V",                 30},
    /* 195 */ {"(M) Pacer calc average speed",         "PA",  66, "12.45",             "$V",                 35},
    /* 196 */ {"(M) Pacer curr. ahead time",           "PE",  25, "1323",              "$m:$S",              35},
    /* 197 */ {"(M) Pacer target ahead time",          "PI",  28, "1423",              "$m:$S",              35},
    /* 198 */ {"(M) Pacer predicted time",             "PD",  29, "4567",              "$H:$M:$S",           35},
    /* 199 */ {"(M) Pacer predicted pace",             "PX",  36, "255",               "$M:$S",              35},
    /* 200 */ {"(M) Pacer total average pace",         "PP",  37, "280",               "$M:$S",              35},
    /* 201 */ {"(M) Pacer corrected distance",         "CD",  55, "2.33",              "$V",                 35},
    /* 202 */ {"(M) Pacer offset indicator",           "OI", 119, "0",                 "",                   35},
    /* 203 */ {"Free memory",                          "XX", 121, "566",               "$V byte",            30},
    /* 204 */ {"(M) Datafield version",                "DV",   3, "2.x.x",             "2.x.x",              35},
    /* 205 */ {"(M) App name",                         "CN",   4, "Vek ZEF #1",        "Vek ZEF #1",         35},
    /* 206 */ {"(M) Phone connected",                  "PO", 122, "1",                 "$V",                 35},
    /* 207 */ {"Notification count",                   "NO", 125, "1",                 "$V",                 30},
    /* 208 */ {"(H) Start coordinates",                "SC",   5, "33.14820,22.41759", "33.14820,22.41759", 500},
    /* 209 */ {"(H) North",                            "SN",   6, "90.0,0.0",          "90.0,0.0",          500},
    /* 210 */ {"(H) Setting coordinates",              "SE",   7, "11.14820,33.41759", "11.14820,33.41759", 500},
    /* 211 */ {"(H) Sunrise",                          "SR", 230, "24567",             "$H:$M",             500},
    /* 212 */ {"(H) Sunset",                           "SS", 231, "74567",             "$H:$M",             500},
    /* 213 */ {"(H) Windbearing",                      "WB", 244, "55",                "$V",                500},
    /* 214 */ {"(H) Windspeed",                        "WS", 245, "4.5",               "$V",                500},
};
// clang-format on

} // namespace

void ValueTypeCatalog::build() {
    fontSlots = DeviceFonts::slotNames();

    const auto kinds = [](const auto& table, CatalogList& list) {
        list.clear();
        list.reserve(std::size(table));
        std::int32_t position = 0;
        for (const KindRow& row : table) {
            ValueTypeInfo info;
            info.name = QString::fromLatin1(row.name);
            info.code = QString::fromLatin1(row.code);
            info.id = position++;
            info.level = row.level;
            list.push_back(info);
        }
    };
    kinds(ElementKindTable, elementKinds);
    kinds(GraphicKindTable, graphicKinds);

    valueTypes.clear();
    valueTypes.reserve(std::size(ValueTypeTable));
    for (const ValueTypeRow& row : ValueTypeTable) {
        ValueTypeInfo info;
        info.name = QString::fromLatin1(row.name);
        info.code = QString::fromLatin1(row.code);
        info.sampleValue = QString::fromLatin1(row.sampleValue);
        info.displayPattern = QString::fromLatin1(row.displayPattern);
        info.id = row.id;
        info.level = row.level;
        valueTypes.push_back(info);
    }
}

int ValueTypeCatalog::positionByName(const CatalogList& list, const QString& text) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].name == text) return static_cast<int>(i);
    return 0;
}

int ValueTypeCatalog::positionByCode(int selector, const QString& code,
                                     bool forceValueTypes) const {
    const CatalogList* list = nullptr;
    if (forceValueTypes || selector == SelectValueTypes)
        list = &valueTypes;
    else if (selector == SelectGraphicKinds)
        list = &graphicKinds;
    else
        return 0;
    for (std::size_t i = 0; i < list->size(); ++i)
        if ((*list)[i].code == code) return static_cast<int>(i);
    return 0;
}

int ValueTypeCatalog::positionById(int id) const {
    for (std::size_t i = 0; i < valueTypes.size(); ++i)
        if (valueTypes[i].id == id) return static_cast<int>(i);
    return 0;
}

QStringList ValueTypeCatalog::offeredNames(const CatalogList& list, const DeviceInfo& device) {
    QStringList names;
    for (const ValueTypeInfo& entry : list)
        if (isOffered(entry, device)) names.append(entry.name);
    return names;
}

} // namespace zef
