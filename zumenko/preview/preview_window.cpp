// The preview window: a view over the drawing with zoom and pan, and the call that fills
// it from a script.
#include "zumenko/preview/preview_window.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

#include "common/textfile.h"
#include "zumenko/preview/script_reader.h"

namespace zumenko::preview {

namespace {

constexpr double kMarginPx = 12;
constexpr const char* kTitle = "プレビュー";

QString qtext(const char* s) { return QString::fromUtf8(s); }

}  // namespace

DrawingView::DrawingView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DrawingView"));
    setMinimumSize(320, 200);
    setMouseTracking(false);
    setAutoFillBackground(false);
}

void DrawingView::setDrawing(Figure drawing) {
    drawing_ = std::move(drawing);
    extents_ = extents(drawing_, measureText);
    zoomExtents();
}

void DrawingView::zoomExtents() {
    fitted_ = true;
    view_ = fitView(extents_, width(), height(), kMarginPx);
    update();
}

Point DrawingView::drawingPointAt(QPointF pos) const {
    return {view_.left + (pos.x() - view_.offsetX) / view_.scale,
            view_.top - (pos.y() - view_.offsetY) / view_.scale};
}

void DrawingView::zoomAt(QPointF pos, double factor) {
    if (!(factor > 0) || !std::isfinite(factor)) return;
    Point p = drawingPointAt(pos);
    view_.scale *= factor;
    view_.left = p.x;
    view_.top = p.y;
    view_.offsetX = pos.x();
    view_.offsetY = pos.y();
    fitted_ = false;
    update();
}

void DrawingView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintDrawing(painter, drawing_, view_, 1.0);
}

void DrawingView::resizeEvent(QResizeEvent*) {
    if (fitted_) zoomExtents();
}

void DrawingView::wheelEvent(QWheelEvent* e) {
    double steps = e->angleDelta().y() / 120.0;
    zoomAt(e->position(), std::pow(1.25, steps));
    e->accept();
}

void DrawingView::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) dragFrom_ = e->position();
}

void DrawingView::mouseMoveEvent(QMouseEvent* e) {
    if (!(e->buttons() & Qt::LeftButton)) return;
    QPointF d = e->position() - dragFrom_;
    dragFrom_ = e->position();
    view_.offsetX += d.x();
    view_.offsetY += d.y();
    fitted_ = false;
    update();
}

void DrawingView::mouseDoubleClickEvent(QMouseEvent*) { zoomExtents(); }

PreviewWindow::PreviewWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(qtext(kTitle));
    // The drawing window stays above all others; so must its preview.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    view_ = new DrawingView(this);
    layout->addWidget(view_, 1);
    auto* hint =
        new QLabel(qtext("ホイールで拡大・縮小、ドラッグで移動、ダブルクリックで全体表示"), this);
    hint->setObjectName(QStringLiteral("PreviewHint"));
    hint->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(hint);
    resize(1200, 820);
}

void PreviewWindow::setDrawing(Figure drawing) { view_->setDrawing(std::move(drawing)); }

PreviewWindow* showScriptPreview(QWidget* parent, const std::string& scriptText, common::Ui& ui) {
    ReadResult r = readScript(common::splitLines(scriptText));
    if (!r.errors.empty()) {
        ui.message(common::Icon::Critical, kTitle,
                   "作図コマンドに解釈できない行があります。\n" + describeErrors(r.errors, 5));
        return nullptr;
    }
    if (r.figure.elements.empty()) {
        ui.message(common::Icon::Exclamation, kTitle, "描く線も文字もありません。");
        return nullptr;
    }
    // The classes have no meta-object of their own, so find by name and cast by type.
    PreviewWindow* window = parent
                                ? dynamic_cast<PreviewWindow*>(parent->findChild<QWidget*>(
                                      QStringLiteral("PreviewWindow"), Qt::FindDirectChildrenOnly))
                                : nullptr;
    if (!window) {
        window = new PreviewWindow(parent);
        if (!parent) window->setAttribute(Qt::WA_DeleteOnClose, true);
    }
    window->setDrawing(std::move(r.figure));
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace zumenko::preview
