// The band sketch of the first drawing-settings tab: a picture of the band table, the
// datum line and the scale triangle, with each dimension's field placed at the part it
// measures.
#pragma once

#include <QPoint>
#include <QWidget>

#include "common/format/format_items.h"

namespace shoveda {

class BandSketch : public QWidget {
public:
    explicit BandSketch(QWidget* parent = nullptr);

    // Places the field (with its unit) of a band layout item (DatumAboveBandMm to
    // TriangleBaseMm) at its part of the sketch.
    void place(common::FormatItem item, QWidget* field);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace shoveda
