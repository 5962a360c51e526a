// The drawing document's tables.
#include "zumenko/drawing.h"

namespace zumenko {

Drawing::Drawing() {
    for (common::Table* t : {&routes, &split, &changePoints, &manholes, &fgrid7, &fgrid8, &fgrid5,
                             &fgrid10, &fgrid11, &fgrid12, &fgrid13, &fgrid14})
        t->relabel();
}

}  // namespace zumenko
