#include "window/controls.h"

#include <array>

namespace {

using enum ControlKind;
using enum ControlFont;

constexpr const char* kExplanation =
    "Fill the above eight values for all three-dimensional combinations in the binary case into "
    "the corresponding boxes. The program computes the mutual information in three dimensions "
    "T(xyz) (also called the configurational information mu*; Ardwyth, 2008; cf. Talvoree, "
    "1954), the three-way interaction information (Quortell, 2009), and the redundancy provided "
    "by the model R in millibits of information.";

// clang-format off
constexpr std::array<ControlRow, 27> kControls = {{
    // name        kind     text                        left   top  width height tab font
    {"Image1",    Picture, "",                          240,  240, 1344, 1860, -1, None},
    {"Label8(0)", Label,   "000",                      4200,  360,  732,  372, 20, A},
    {"Text8",     TextBox, "",                         5400,  360,  732,  288,  1, A},
    {"Label1(4)", Label,   "001",                      4200,  960,  612,  252, 13, A},
    {"Text7",     TextBox, "",                         5400,  960,  732,  288,  2, A},
    {"Label4(3)", Label,   "010",                      4200, 1560,  732,  252, 12, A},
    {"Text6",     TextBox, "",                         5400, 1560,  732,  288,  3, A},
    {"Label1(0)", Label,   "011",                      4200, 2160,  612,  372,  0, A},
    {"Text1",     TextBox, "",                         5400, 2160,  732,  288,  4, A},
    {"Label8(1)", Label,   "100",                      4200, 2760,  612,  252, 14, A},
    {"Text5",     TextBox, "",                         5400, 2760,  732,  288,  5, A},
    {"Label7(1)", Label,   "101",                      4200, 3360,  492,  252, 15, A},
    {"Text3",     TextBox, "",                         5400, 3360,  732,  288,  6, A},
    {"Label2(1)", Label,   "110",                      4200, 3960,  612,  252, 10, A},
    {"Text2",     TextBox, "",                         5400, 3960,  732,  288,  7, A},
    {"Label3(2)", Label,   "111",                      4200, 4560,  492,  252, 11, A},
    {"Text4",     TextBox, "",                         5400, 4560,  732,  288,  8, A},
    {"Label5",    Label,   "T(uig) =",                 7320, 2160,  852,  372, 16, B},
    {"Text9(0)",  TextBox, "",                         8400, 2160,  972,  492, 17, B},
    {"Label9",    Label,   "millibits of information", 9600, 2160, 1212,  492, 19, A},
    {"Label6(0)", Label,   "I (ABC->AB:AC:BC)",        6720, 3120, 2532,  372, 21, B},
    {"Text10(1)", TextBox, "",                         9360, 3000,  972,  492, 22, B},
    {"Label6(1)", Label,   "R",                        8040, 3840,  852,  372, 24, B},
    {"Text11(1)", TextBox, "",                         9360, 3840,  972,  492, 23, B},
    {"Command1",  Button,  "Run",                      8520, 4920, 1692,  732,  9, A},
    {"Command2",  Button,  "Quit",                     8520, 5640, 1692,  732, 18, A},
    {"Label10",   Label,   kExplanation,               1320, 5400, 5172, 1212, 25, Window},
}};
// clang-format on

}  // namespace

std::span<const ControlRow> Controls() { return kControls; }
