// A window that shows a drawing script as the picture AutoCAD would draw: fitted like
// "_zoom e", zoomed with the wheel, moved by dragging, fitted again by a double click.
#pragma once

#include <QWidget>
#include <string>

#include "common/ui.h"
#include "zumenko/preview/render.h"

class QLabel;

namespace zumenko::preview {

class DrawingView : public QWidget {
public:
    explicit DrawingView(QWidget* parent = nullptr);
    void setDrawing(Figure drawing);
    const Figure& drawing() const { return drawing_; }
    // Shows the whole drawing again, as "_zoom e" does.
    void zoomExtents();
    // Device pixels per drawing unit now.
    double scale() const { return view_.scale; }
    // The drawing point shown at pos.
    Point drawingPointAt(QPointF pos) const;
    // Zooms by factor keeping the drawing point under pos in place.
    void zoomAt(QPointF pos, double factor);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;

private:
    Figure drawing_;
    Box extents_;
    View view_;
    bool fitted_ = true;  // follows the window size until the user zooms or drags
    QPointF dragFrom_;
};

// Object name "PreviewWindow"; a child window of the window that opened it.
class PreviewWindow : public QWidget {
public:
    explicit PreviewWindow(QWidget* parent = nullptr);
    void setDrawing(Figure drawing);
    DrawingView* view() const { return view_; }

private:
    DrawingView* view_;
};

// Interprets the script text (UTF-8 lines ended by CR LF, break lines a lone CR) and shows
// it in the preview window of parent, opening the window or reusing the open one. A script
// with lines that cannot be read is reported through ui and shows nothing; returns the
// window shown, or nullptr.
PreviewWindow* showScriptPreview(QWidget* parent, const std::string& scriptText, common::Ui& ui);

}  // namespace zumenko::preview
