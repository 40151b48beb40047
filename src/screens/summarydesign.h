#pragma once

#include "screendesign.h"

// まとめ, the summary table of the three structures, whose names and counts
// are links into the lattice lessons: Shape1 the table's frame, Shape2-8 its
// lines; Label1-7 the row headers; Label8-16 the links (the names, the atom
// counts, the neighbour counts); Label17-19 the metals; Image1-3 the cut-away
// cells; Command1 メニュー.
MIROSUTA_CONTROLS(summary, Shape1, Shape2, Shape3, Shape4, Shape5, Shape6, Shape7, Shape8, Image1,
                  Image2, Image3, Image4, Image5, List1, Command1, Label1, Label2, Label3, Label4,
                  Label5, Label6, Label7, Label8, Label9, Label10, Label11, Label12, Label13,
                  Label14, Label15, Label16, Label17, Label18, Label19)
