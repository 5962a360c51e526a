// Qt rendering of a drawing: lines in layer colours, texts in the pinned gothic font placed
// by their justification point.
#include "zumenko/preview/render.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <unordered_map>

#include "common/platform/environment.h"
#include "common/platform/paths.h"
#include "zumenko/preview/layer_colors.h"
#include "zumenko/preview/temp_file.h"

namespace zumenko::preview {

namespace {

// Texts are laid out at this pixel size and scaled; large enough for exact metrics.
constexpr int kReferencePx = 1000;
// Texts whose widths are kept: more than any drawing holds.
constexpr size_t kMeasuredTexts = 200000;
// A text lower than this on the device is no longer legible: it is drawn as the grey
// stroke of its box, as CAD programs draw small text, at a fraction of the cost.
constexpr double kLegiblePx = 2;
constexpr double kMaxImageSide = 20000;
constexpr double kMaxImagePixels = 60e6;  // 240 MB of RGB32
// Widest page a PDF reader is expected to open (200 inches).
constexpr double kMaxPageMm = 5080;
constexpr double kPdfLineMm = 0.15;
constexpr int kPdfDpi = 1200;

QString qtext(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

const QFontMetricsF& referenceMetrics() {
    static const QFontMetricsF metrics(pinnedFont());
    return metrics;
}

// The font's ascent at the reference size, the pixels of one text height; a font that
// reports none is taken as all ascent.
double ascentPx() {
    static const double ascent = [] {
        double a = referenceMetrics().ascent();
        return a > 0 && a <= 2 * kReferencePx ? a : double(kReferencePx);
    }();
    return ascent;
}

QColor colorOf(const Figure& d, int layer) {
    LayerColor c = layerColor(d, layer);
    return QColor(c.r, c.g, c.b);
}

Box grown(Box b, double by) {
    if (b.empty) return b;
    b.minX -= by;
    b.minY -= by;
    b.maxX += by;
    b.maxY += by;
    return b;
}

// Device size of a fitted picture: widthPx wide, as tall as the extents' aspect needs.
QSize fittedSize(const Box& ext, int widthPx, double marginPx) {
    double w = std::clamp(double(widthPx), 2 * marginPx + 1, kMaxImageSide);
    double inner = w - 2 * marginPx;
    double h = 2 * marginPx + 1;
    if (ext.width() > 0)
        h = 2 * marginPx + ext.height() * inner / ext.width();
    else if (ext.height() > 0)
        h = w;
    h = std::clamp(h, 2 * marginPx + 1, kMaxImageSide);
    if (w * h > kMaxImagePixels) {
        // A very tall drawing: keep the aspect, shrink both sides.
        double f = std::sqrt(kMaxImagePixels / (w * h));
        w *= f;
        h *= f;
    }
    return QSize(int(std::ceil(w)), int(std::ceil(h)));
}

double marginFor(int widthPx) { return std::max(4.0, widthPx * 0.01); }

// Headless runs have no runtime folder; Qt's note about it is noise for a command.
QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& msg) {
    if (msg.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR"))) return;
    if (previousHandler)
        previousHandler(type, context, msg);
    else
        fprintf(stderr, "%s\n", qPrintable(msg));
}

// Qt writes a page's size in whole points, a third of a millimetre off a sheet's size, and
// draws from the page's top edge. Each "/MediaBox [0 0 W H]" becomes the exact size in
// place, its foot raised by the rounding, the same number of bytes long so that the file's
// cross-reference offsets stay right. False when the file does not have one box per page.
bool exactPageBoxes(std::string& pdf, const std::vector<QSizeF>& pagesPt) {
    static const std::regex box(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])");
    std::vector<std::pair<size_t, size_t>> found;  // offset and length of "[...]"
    std::vector<double> heights;
    for (auto it = std::sregex_iterator(pdf.begin(), pdf.end(), box); it != std::sregex_iterator();
         ++it) {
        const auto& m = *it;
        const size_t open = size_t(m.position(0)) + std::string_view("/MediaBox ").size();
        found.emplace_back(open, size_t(m.length(0)) - std::string_view("/MediaBox ").size());
        heights.push_back(std::stod(m[2].str()));
    }
    if (found.size() != pagesPt.size()) return false;
    for (size_t i = 0; i < found.size(); ++i) {
        const auto [at, length] = found[i];
        char text[128];
        const double foot = heights[i] - pagesPt[i].height();
        int n = std::snprintf(text, sizeof text, "[0 %.3f %.3f %.3f]", foot, pagesPt[i].width(),
                              heights[i]);
        if (n <= 0 || size_t(n) > length) return false;
        std::string replacement(text, size_t(n) - 1);
        replacement.append(length - size_t(n), ' ');  // PDF reads blanks as blanks
        replacement += ']';
        pdf.replace(at, length, replacement);
    }
    return true;
}

}  // namespace

void ensureGuiApplication() {
    if (QCoreApplication::instance()) return;
    if (!platform::environmentVariable("QT_QPA_PLATFORM"))
        platform::setEnvironmentVariable("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(quietHandler);
    static int argc = 1;
    static char name[] = "gesui";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);  // kept for the whole run
}

QFont pinnedFont() {
    QFont f;
    f.setFamilies(
        {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"), QStringLiteral("MS Gothic")});
    f.setPixelSize(kReferencePx);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

bool pinnedFontAvailable() {
    QString family = QFontInfo(pinnedFont()).family();
    return family == QStringLiteral("IPAGothic") || family == QStringLiteral("IPAゴシック");
}

TextMetrics measureText(std::string_view utf8) {
    // Shaping a text costs far more than looking it up: a drawing repeats its texts, and
    // each is measured for the extents and again where it is painted.
    static std::unordered_map<std::string, double> advances;
    auto it = advances.find(std::string(utf8));
    if (it == advances.end()) {
        if (advances.size() > kMeasuredTexts) advances.clear();
        it = advances.emplace(utf8, referenceMetrics().horizontalAdvance(qtext(std::string(utf8))))
                 .first;
    }
    // A text's height is the font's ascent (as AutoCAD sizes TrueType text): metrics in
    // units of the ascent.
    const double ascent = ascentPx();
    return {it->second / ascent, 1, referenceMetrics().descent() / ascent, 1,
            std::max(0.0, kReferencePx - ascent) / ascent};
}

View fitView(const Box& box, double width, double height, double marginPx) {
    View v;
    double availW = std::max(1.0, width - 2 * marginPx);
    double availH = std::max(1.0, height - 2 * marginPx);
    double bw = box.width(), bh = box.height();
    if (bw > 0 && bh > 0)
        v.scale = std::min(availW / bw, availH / bh);
    else if (bw > 0)
        v.scale = availW / bw;
    else if (bh > 0)
        v.scale = availH / bh;
    v.left = box.empty ? 0 : box.minX;
    v.top = box.empty ? 0 : box.maxY;
    v.offsetX = (width - bw * v.scale) / 2;
    v.offsetY = (height - bh * v.scale) / 2;
    return v;
}

void paintDrawing(QPainter& painter, const Figure& figure, const View& view, double penWidth,
                  const Box* within) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QFont font = pinnedFont();
    for (const auto& e : figure.elements) {
        if (within && !within->intersects(elementBox(e, measureText))) continue;
        QColor color = colorOf(figure, e.layer);
        if (auto s = std::get_if<Segment>(&e.shape)) {
            QPen pen(color, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
            painter.setPen(pen);
            QPointF a = view.toDevice(s->a), b = view.toDevice(s->b);
            if (a == b)
                painter.drawPoint(a);
            else
                painter.drawLine(a, b);
        } else if (auto t = std::get_if<Text>(&e.shape); t && !drawsNothing(*t)) {
            TextPlacement p = placeText(*t, measureText(t->text));
            // The text height is the ascent: the reference size scaled to it.
            double factor = t->height * view.scale / ascentPx();
            if (!(factor > 0) || !std::isfinite(factor)) continue;
            if (t->height * view.scale < kLegiblePx) {
                // Along the middle of the box, as thick as the text is high.
                const Point mid0{(p.box[0].x + p.box[3].x) / 2, (p.box[0].y + p.box[3].y) / 2};
                const Point mid1{(p.box[1].x + p.box[2].x) / 2, (p.box[1].y + p.box[2].y) / 2};
                QColor faint = color;
                faint.setAlphaF(0.4f);
                painter.setPen(
                    QPen(faint, std::max(0.5, t->height * view.scale), Qt::SolidLine, Qt::FlatCap));
                painter.drawLine(view.toDevice(mid0), view.toDevice(mid1));
                continue;
            }
            painter.save();
            painter.translate(view.toDevice(p.origin));
            // Counter-clockwise in drawing units is clockwise-negative on a y-down device.
            painter.rotate(-t->angleDeg);
            painter.scale(factor, factor);
            painter.setFont(font);
            painter.setPen(color);
            painter.drawText(QPointF(0, 0), qtext(t->text));
            painter.restore();
        }
    }
}

Picture renderImage(const Figure& figure, int widthPx) {
    const Box ext = extents(figure, measureText);
    const double margin = marginFor(widthPx);
    QSize size = fittedSize(ext, widthPx, margin);
    Picture pic;
    pic.image = QImage(size, QImage::Format_RGB32);
    if (pic.image.isNull()) return pic;  // no memory for it
    pic.image.fill(Qt::white);
    pic.view = fitView(ext, size.width(), size.height(), margin);
    QPainter painter(&pic.image);
    paintDrawing(painter, figure, pic.view, std::max(1.0, size.width() / 2400.0));
    return pic;
}

std::optional<PictureFormat> pictureFormatOf(const std::filesystem::path& path) {
    std::string ext = platform::pathToUtf8(path.extension());
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    if (ext == ".png") return PictureFormat::Png;
    if (ext == ".svg") return PictureFormat::Svg;
    if (ext == ".pdf") return PictureFormat::Pdf;
    return std::nullopt;
}

common::WriteResult writePicture(const Figure& figure, const std::filesystem::path& path,
                                 const PictureOptions& options) {
    auto format = pictureFormatOf(path);
    if (!format) return {false, "出力ファイルの拡張子は .png、.svg、.pdf のどれかにしてください"};
    const auto tmp = tempBeside(path);
    const QString tmpName = QString::fromStdString(platform::pathToUtf8(tmp));

    if (*format == PictureFormat::Png) {
        Picture pic = renderImage(figure, options.widthPx);
        if (pic.image.isNull()) return {false, "画像が大きすぎて作れません"};
        return commitTemp(tmp, path, pic.image.save(tmpName, "PNG"));
    }

    if (*format == PictureFormat::Svg) {
        const Box ext = extents(figure, measureText);
        const double margin = marginFor(options.widthPx);
        QSize size = fittedSize(ext, options.widthPx, margin);
        QSvgGenerator svg;
        svg.setFileName(tmpName);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("下水縦断図"));
        QPainter painter;
        if (!painter.begin(&svg)) return {false, platform::pathToUtf8(path) + " を作成できません"};
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
        paintDrawing(painter, figure, fitView(ext, size.width(), size.height(), margin),
                     std::max(1.0, size.width() / 2400.0));
        bool ok = painter.end();
        return commitTemp(tmp, path, ok);
    }

    // PDF: one paper millimetre per sheet millimetre.
    const double scaleDen = options.scaleDenominator > 0 ? options.scaleDenominator : figure.scale;
    if (!(scaleDen > 0))
        return {false, "縮尺（H=1:…の文字）が図面にないため、PDF の用紙の大きさを決められません"};
    std::vector<Box> pages;
    const Box ext = extents(figure, measureText);
    if (figure.sheets.size() > 1) {
        for (const auto& sheet : figure.sheets) pages.push_back(sheet.border);
    } else {
        // The sheet border (or the extents when none was drawn), grown to the extents if
        // anything lies outside it.
        Box page = figure.sheets.empty() ? grown(ext, 5 * scaleDen) : figure.sheets[0].border;
        page.add(ext);
        pages.push_back(page);
    }
    for (const Box& page : pages) {
        const double wMm = page.width() / scaleDen, hMm = page.height() / scaleDen;
        if (!(wMm > 0) || !(hMm > 0)) return {false, "描く要素がありません"};
        if (wMm > kMaxPageMm || hMm > kMaxPageMm)
            return {false, "用紙が大きすぎます（" + std::to_string(std::llround(wMm)) + " × " +
                               std::to_string(std::llround(hMm)) + " mm）"};
    }

    QPdfWriter pdf(tmpName);
    pdf.setResolution(kPdfDpi);
    pdf.setTitle(QStringLiteral("下水縦断図"));
    pdf.setCreator(QStringLiteral("gesui"));
    auto layoutOf = [&](const Box& page) {
        const double wMm = page.width() / scaleDen, hMm = page.height() / scaleDen;
        QPageSize pageSize(QSizeF(std::min(wMm, hMm), std::max(wMm, hMm)), QPageSize::Millimeter,
                           QString(), QPageSize::ExactMatch);
        return QPageLayout(pageSize, wMm > hMm ? QPageLayout::Landscape : QPageLayout::Portrait,
                           QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    };
    pdf.setPageLayout(layoutOf(pages[0]));
    QPainter painter;
    if (!painter.begin(&pdf)) return {false, platform::pathToUtf8(path) + " を作成できません"};
    bool ok = true;
    for (size_t i = 0; i < pages.size() && ok; ++i) {
        if (i > 0) {
            ok = pdf.setPageLayout(layoutOf(pages[i])) && pdf.newPage();
            if (!ok) break;
        }
        View view;
        view.scale = kPdfDpi / 25.4 / scaleDen;
        view.left = pages[i].minX;
        view.top = pages[i].maxY;
        // Each page of a set shows what stands on its sheet.
        paintDrawing(painter, figure, view, kPdfLineMm * kPdfDpi / 25.4,
                     pages.size() > 1 ? &pages[i] : nullptr);
    }
    ok = painter.end() && ok;
    if (ok) {
        std::vector<QSizeF> sizesPt;
        for (const Box& page : pages)
            sizesPt.emplace_back(page.width() / scaleDen * 72 / 25.4,
                                 page.height() / scaleDen * 72 / 25.4);
        auto bytes = common::readFileBytes(tmp);
        ok = bytes && exactPageBoxes(*bytes, sizesPt) && common::writeFileAtomic(tmp, *bytes).ok;
    }
    return commitTemp(tmp, path, ok);
}

common::WriteResult writeProfilePictures(const Figure& figure,
                                         const std::filesystem::path& folder) {
    if (figure.elements.empty()) return {false, "描く線も文字もありません"};
    ensureGuiApplication();
    auto png = writePicture(figure, folder / kProfilePng);
    if (!png) return png;
    return writePicture(figure, folder / kProfilePdf);
}

}  // namespace zumenko::preview
