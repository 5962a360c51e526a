// The design-check calculation sheet drawn with QPainter on QPdfWriter pages of A4.
#include "kandoru/check/check_sheet.h"

#include <QBuffer>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <functional>
#include <vector>

#include "kandoru/check/check_report.h"

namespace kandoru::check {

namespace {

constexpr int kDpi = 600;
constexpr double kPageWidthMm = 210;
constexpr double kPageHeightMm = 297;
constexpr double kLeftMm = 20, kRightMm = 15, kTopMm = 15, kBottomMm = 18;
constexpr double kRowMm = 5.2;
constexpr double kTextMm = 2.7;

QString qs(const std::string& s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QFont sheetFont(double heightMm) {
    QFont f;
    f.setFamilies(
        {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック"), QStringLiteral("MS Gothic")});
    f.setPixelSize(std::max(1, int(heightMm * kDpi / 25.4 + 0.5)));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

struct Column {
    QString heading;
    double widthMm;
    Qt::Alignment align;
};

// Lays the sheet out from top to bottom; with a painter it draws, without one it only
// counts the pages, so that every footer can say "n / N".
class Sheet {
public:
    Sheet(const SheetHeader& header, const CheckResult& result) : header_(header), r_(result) {}

    int layout(QPainter* painter, QPdfWriter* pdf, int pageCount) {
        p_ = painter;
        pdf_ = pdf;
        pageCount_ = pageCount;
        page_ = 1;
        y_ = kTopMm;
        title();
        spanTable();
        findingTable();
        footer();
        return page_;
    }

private:
    static double px(double mm) { return mm * kDpi / 25.4; }
    QRectF rect(double x, double y, double w, double h) const {
        return {px(x), px(y), px(w), px(h)};
    }
    static constexpr double contentWidth() { return kPageWidthMm - kLeftMm - kRightMm; }

    void text(double x, double y, double w, double h, const QString& t, Qt::Alignment align,
              double sizeMm = kTextMm) {
        if (!p_) return;
        const QFont f = sheetFont(sizeMm);
        p_->setFont(f);
        const QRectF box = rect(x + 0.8, y, w - 1.6, h);
        const QString shown = QFontMetricsF(f, pdf_).elidedText(t, Qt::ElideRight, box.width());
        p_->drawText(box, int(align | Qt::AlignVCenter), shown);
    }

    void footer() {
        if (!p_) return;
        const double y = kPageHeightMm - kBottomMm + 5;
        text(kLeftMm, y, contentWidth(), 5, qs(header_.projectName), Qt::AlignLeft, 2.4);
        text(kLeftMm, y, contentWidth(), 5, QStringLiteral("%1 / %2").arg(page_).arg(pageCount_),
             Qt::AlignRight, 2.4);
    }

    // Room for h mm more on this page, or a new page (with the table heading again).
    void need(double h, const std::function<void()>& onNewPage = {}) {
        if (y_ + h <= kPageHeightMm - kBottomMm) return;
        footer();
        if (pdf_ && p_) pdf_->newPage();
        ++page_;
        y_ = kTopMm;
        if (onNewPage) onNewPage();
    }

    void title() {
        text(kLeftMm, y_, contentWidth(), 10, QStringLiteral("設計チェック計算書"),
             Qt::AlignHCenter, 6);
        y_ += 14;
        const std::vector<std::pair<std::string, std::string>> head{
            {"プロジェクト名", header_.projectName}, {"書式ファイル", header_.formatName}};
        for (const auto& [caption, value] : head) line(caption, value);
        y_ += 2;
        heading("計算条件");
        for (const auto& [caption, value] : settingsSummary(r_.settings)) line(caption, value);
        y_ += 3;
    }

    void line(const std::string& caption, const std::string& value) {
        need(kRowMm);
        text(kLeftMm, y_, 34, kRowMm, qs(caption), Qt::AlignLeft, 3);
        text(kLeftMm + 34, y_, contentWidth() - 34, kRowMm, qs("：" + value), Qt::AlignLeft, 3);
        y_ += kRowMm;
    }

    void heading(const QString& t) {
        need(3 * kRowMm);
        text(kLeftMm, y_, contentWidth(), 7, t, Qt::AlignLeft, 3.8);
        y_ += 8;
    }

    void row(const std::vector<Column>& cols, const std::vector<QString>& cells, bool head) {
        if (p_) {
            double x = kLeftMm;
            if (head) p_->fillRect(rect(x, y_, contentWidth(), kRowMm), QColor(230, 230, 230));
            p_->setPen(QPen(Qt::black, px(0.15)));
            for (size_t c = 0; c < cols.size(); ++c) {
                p_->drawRect(rect(x, y_, cols[c].widthMm, kRowMm));
                text(x, y_, cols[c].widthMm, kRowMm, cells[c],
                     head ? Qt::AlignHCenter : cols[c].align);
                x += cols[c].widthMm;
            }
        }
        y_ += kRowMm;
    }

    void table(const QString& caption, const std::vector<Column>& cols,
               const std::vector<std::vector<QString>>& rows, const QString& none) {
        heading(caption);
        std::vector<QString> headings;
        for (const Column& c : cols) headings.push_back(c.heading);
        row(cols, headings, true);
        if (rows.empty()) {
            text(kLeftMm, y_, contentWidth(), kRowMm, none, Qt::AlignLeft, 3);
            y_ += kRowMm;
        }
        for (const auto& cells : rows) {
            need(kRowMm, [&] { row(cols, headings, true); });
            row(cols, cells, false);
        }
        y_ += 6;
    }

    void spanTable() {
        const Qt::Alignment L = Qt::AlignLeft, R = Qt::AlignRight, C = Qt::AlignHCenter;
        const std::vector<Column> cols{
            {QStringLiteral("行"), 10, R},     {QStringLiteral("路線番号"), 19, L},
            {QStringLiteral("管記号"), 25, C}, {QStringLiteral("D mm"), 13, R},
            {QStringLiteral("勾配 ‰"), 15, R}, {QStringLiteral("n"), 12, R},
            {QStringLiteral("A m²"), 17, R},   {QStringLiteral("R m"), 15, R},
            {QStringLiteral("V m/s"), 15, R},  {QStringLiteral("Q m³/s"), 19, R},
            {QStringLiteral("指摘"), 15, C},
        };
        std::vector<std::vector<QString>> rows;
        for (const Span& s : r_.spans) {
            const SpanTexts t = spanTexts(s);
            int findings = 0;
            for (const Finding& f : r_.findings) findings += f.row == s.row;
            const QString dash = QStringLiteral("－");
            rows.push_back({QString::number(s.row), qs(s.label), qs(s.code), qs(t.sizeMm),
                            qs(t.gradient), s.flow ? qs(t.n) : dash,
                            s.flow ? QString::number(s.flow->areaM2, 'f', 4) : dash,
                            s.flow ? QString::number(s.flow->radiusM, 'f', 4) : dash,
                            s.flow ? qs(t.velocity) : dash, s.flow ? qs(t.flow) : dash,
                            findings ? QStringLiteral("%1 件").arg(findings) : QString()});
        }
        table(QStringLiteral("1. 流下能力（満流）"), cols, rows,
              QStringLiteral("区間がありません。"));
    }

    void findingTable() {
        const Qt::Alignment L = Qt::AlignLeft, R = Qt::AlignRight;
        const std::vector<Column> cols{
            {QStringLiteral("番号"), 11, R},     {QStringLiteral("行"), 10, R},
            {QStringLiteral("路線番号"), 19, L}, {QStringLiteral("内容"), 85, L},
            {QStringLiteral("値"), 25, R},       {QStringLiteral("基準"), 25, R},
        };
        std::vector<std::vector<QString>> rows;
        int n = 0;
        for (const Finding& f : r_.findings)
            rows.push_back({QString::number(++n), QString::number(f.row), qs(f.label),
                            qs(findingText(f)), qs(withUnit(f, f.value)),
                            qs(withUnit(f, f.limit))});
        table(QStringLiteral("2. 指摘事項（%1 件）").arg(r_.findings.size()), cols, rows,
              QStringLiteral("指摘はありません。"));
    }

    const SheetHeader& header_;
    const CheckResult& r_;
    QPainter* p_ = nullptr;
    QPdfWriter* pdf_ = nullptr;
    int page_ = 1;
    int pageCount_ = 1;
    double y_ = 0;
};

}  // namespace

bool sheetFontAvailable() {
    const QString family = QFontInfo(sheetFont(3)).family();
    return family == QStringLiteral("IPAGothic") || family == QStringLiteral("IPAゴシック");
}

common::WriteResult writeCheckSheet(const SheetHeader& header, const CheckResult& result,
                                    const std::filesystem::path& path) {
    Sheet sheet(header, result);
    const int pages = sheet.layout(nullptr, nullptr, 0);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kDpi);
        pdf.setTitle(QStringLiteral("設計チェック計算書"));
        pdf.setCreator(QStringLiteral("gesui"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        QPainter painter;
        if (!painter.begin(&pdf)) return {false, "PDF を作れません"};
        sheet.layout(&painter, &pdf, pages);
        if (!painter.end()) return {false, "PDF を作れません"};
    }
    return common::writeFileAtomic(path, buffer.data().toStdString());
}

}  // namespace kandoru::check
