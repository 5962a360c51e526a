// The Qt renderer: the pinned font, texts where their justification puts them, a profile
// picture inside its extents, and the PDF at the sheet's size.
#include "zumenko/preview/render.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>
#include <regex>

#include "common/sjis.h"
#include "support/golden.h"
#include "zumenko/preview/layer_colors.h"
#include "zumenko/preview/script_reader.h"

using namespace zumenko;
using namespace zumenko::preview;
using testing_support::testData;

namespace {

// Bounding box of the pixels that are clearly not background.
QRect inkBox(const QImage& img, QRect within = {}) {
    if (within.isNull()) within = img.rect();
    int minX = INT_MAX, minY = INT_MAX, maxX = -1, maxY = -1;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (qGray(img.pixel(x, y)) < 160) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    return maxX < 0 ? QRect() : QRect(QPoint(minX, minY), QPoint(maxX, maxY));
}

struct Rendered {
    QRect ink;
    QPointF at;     // the insertion point on the image
    double unitPx;  // pixels per drawing unit
};

// The pinned font's full-width box per em: from 0.12011 below the baseline to its ascent,
// 0.87989 above. A text's height is the ascent, so the box is 1 / 0.87989 heights tall and
// "MC" centres half a height above the baseline, a little above the box's middle.
constexpr double kBoxHeights = 1 / 0.87989;
constexpr double kMiddleFromTop = 0.5 / kBoxHeights;

// "─│─": the bars span the font's full-width box from foot to top and the rules its whole
// advance, so the ink is exactly the box that justification places.
Rendered renderOne(const char* justify, int angle) {
    auto r = readScript({std::string("_dtext j ") + justify + " 1000,1000 h 100 r " +
                         std::to_string(angle) + " ─│─ "});
    EXPECT_TRUE(r.errors.empty());
    Picture pic = renderImage(r.figure, 600);
    return {inkBox(pic.image), pic.view.toDevice({1000, 1000}), pic.view.scale};
}

// Where the point lies on the ink box: 0 left or top edge, 0.5 middle, 1 right or bottom.
void expectAt(const char* justify, int angle, double fx, double fy) {
    Rendered t = renderOne(justify, angle);
    const double tol = 2;  // antialiasing
    EXPECT_NEAR(t.ink.left() + fx * (t.ink.width() - 1), t.at.x(), tol) << justify << " " << angle;
    EXPECT_NEAR(t.ink.top() + fy * (t.ink.height() - 1), t.at.y(), tol) << justify << " " << angle;
    if (angle == 90)
        EXPECT_GT(t.ink.height(), t.ink.width());
    else
        EXPECT_GT(t.ink.width(), t.ink.height());
}

}  // namespace

TEST(Render, PinnedFontIsUsedAndAgreesWithTheCoreEstimate) {
    EXPECT_TRUE(pinnedFontAvailable()) << "fonts-ipafont-gothic is not installed";
    for (const char* s : {"12.345", "管　　径", " No.1  1号 h=2.10", "φ250", "‰", "D.L = 10.00m"}) {
        TextMetrics qt = measureText(s), core = estimateTextMetrics(s);
        EXPECT_NEAR(qt.advance, core.advance, 0.01 * core.advance) << s;
        EXPECT_NEAR(qt.ascent, core.ascent, 0.01) << s;
        EXPECT_NEAR(qt.descent, core.descent, 0.01) << s;
        EXPECT_NEAR(qt.top, core.top, 0.01) << s;
        EXPECT_NEAR(qt.bottom, core.bottom, 0.01) << s;
    }
}

// AutoCAD sizes a TrueType text by its ascent: the box of a text 100 units high is
// 100 / 0.87989 units tall, not 100.
TEST(Render, TextsAreAsTallAsAutoCadDrawsThem) {
    for (int angle : {0, 90}) {
        Rendered t = renderOne("tl", angle);
        const double boxPx = angle == 0 ? t.ink.height() : t.ink.width();
        EXPECT_NEAR(boxPx / (100 * t.unitPx), kBoxHeights, 0.02) << angle;
    }
}

TEST(Render, EachJustificationPutsTheTextWhereAutoCadDoes) {
    expectAt("tl", 0, 0, 0);
    expectAt("mc", 0, 0.5, kMiddleFromTop);
    expectAt("br", 0, 1, 1);
    expectAt("BL", 0, 0, 1);
    expectAt("bc", 0, 0.5, 1);
    // Turned 90 degrees counter-clockwise: the text runs up the page and its top faces
    // left, so its start is at the bottom of the ink and its foot on the right.
    expectAt("tl", 90, 0, 1);
    expectAt("mc", 90, kMiddleFromTop, 0.5);
    expectAt("br", 90, 1, 0);
    expectAt("BL", 90, 1, 1);
    expectAt("bc", 90, 1, 0.5);
}

TEST(Render, ProfilePictureStaysInsideItsExtentsAndShowsEveryLayer) {
    auto r = readScriptFile(testData("preview/profile.txt"));
    ASSERT_TRUE(r && r->errors.empty());
    const Figure& d = r->figure;
    Picture pic = renderImage(d, 1200);
    ASSERT_EQ(pic.image.width(), 1200);
    // The A3 sheet's aspect, give or take the margin.
    EXPECT_NEAR(double(pic.image.height()) / pic.image.width(), 297.0 / 420.0, 0.02);

    Box ext = extents(d, measureText);
    QPointF tl = pic.view.toDevice({ext.minX, ext.maxY}),
            br = pic.view.toDevice({ext.maxX, ext.minY});
    QRect inside = QRectF(tl, br).toAlignedRect().adjusted(-2, -2, 2, 2);
    int outside = 0;
    for (int y = 0; y < pic.image.height(); ++y)
        for (int x = 0; x < pic.image.width(); ++x)
            if (!inside.contains(x, y) && pic.image.pixel(x, y) != qRgb(255, 255, 255)) ++outside;
    EXPECT_EQ(outside, 0);

    // Within the inner frame (20 mm in from the sheet edge) the profile is drawn.
    QPointF f1 = pic.view.toDevice({20 * 500, 277 * 500}),
            f2 = pic.view.toDevice({400 * 500, 20 * 500});
    QRect frame = QRectF(f1, f2).toAlignedRect().adjusted(3, 3, -3, -3);
    int drawn = 0;
    for (int y = frame.top(); y <= frame.bottom(); ++y)
        for (int x = frame.left(); x <= frame.right(); ++x)
            if (qGray(pic.image.pixel(x, y)) < 200) ++drawn;
    EXPECT_GT(drawn, 5000);

    // Every layer shows in its own colour, at least as a line half blended with white.
    for (int layer = 0; layer < int(d.layers.size()); ++layer) {
        LayerColor c = layerColor(d, layer);
        const int want[3] = {c.r, c.g, c.b};
        const int strongest =
            int(std::max_element(want, want + 3, [](int a, int b) { return 255 - a < 255 - b; }) -
                want);
        bool found = false;
        for (int y = 0; y < pic.image.height() && !found; ++y)
            for (int x = 0; x < pic.image.width() && !found; ++x) {
                QRgb p = pic.image.pixel(x, y);
                const int got[3] = {qRed(p), qGreen(p), qBlue(p)};
                double alpha = (255.0 - got[strongest]) / (255.0 - want[strongest]);
                if (alpha < 0.5 || alpha > 1.05) continue;
                found = true;
                for (int k = 0; k < 3; ++k)
                    found = found && std::abs(got[k] - (255 - alpha * (255 - want[k]))) < 12;
            }
        EXPECT_TRUE(found) << d.layers[size_t(layer)];
    }
}

TEST(Render, PdfPageIsTheSheetAtItsRealSizeAndSvgKeepsTheTexts) {
    auto r = readScriptFile(testData("preview/profile.txt"));
    ASSERT_TRUE(r && r->errors.empty());
    testing_support::TempDir dir;
    ASSERT_TRUE(writePicture(r->figure, dir / "p.pdf"));
    auto pdf = common::readFileBytes(dir / "p.pdf");
    ASSERT_TRUE(pdf);
    std::smatch m;
    // The page box from its foot to its top: the sheet to a hundredth of a millimetre.
    ASSERT_TRUE(std::regex_search(
        *pdf, m, std::regex(R"(/MediaBox \[0 ([0-9.]+) ([0-9.]+) ([0-9.]+) *\])")));
    EXPECT_NEAR(std::stod(m[2]) * 25.4 / 72, 420, 0.01);
    EXPECT_NEAR((std::stod(m[3]) - std::stod(m[1])) * 25.4 / 72, 297, 0.01);
    EXPECT_NE(pdf->find("IPAGothic"), std::string::npos);

    ASSERT_TRUE(writePicture(r->figure, dir / "p.svg", {800, 0}));
    auto svg = common::readFileBytes(dir / "p.svg");
    ASSERT_TRUE(svg);
    EXPECT_NE(svg->find("<svg"), std::string::npos);
    EXPECT_NE(svg->find("管"), std::string::npos);

    ASSERT_TRUE(writePicture(r->figure, dir / "p.PNG", {640, 0}));
    EXPECT_EQ(QImage(QString::fromStdString((dir / "p.PNG").string())).width(), 640);
}

TEST(Render, PdfNeedsAScaleAndOtherFormatsAreRefused) {
    auto r = readScript({"_line 0,0 1000,1000"});
    testing_support::TempDir dir;
    auto noScale = writePicture(r.figure, dir / "x.pdf");
    EXPECT_FALSE(noScale);
    EXPECT_NE(noScale.error.find("縮尺"), std::string::npos);
    EXPECT_TRUE(writePicture(r.figure, dir / "x.pdf", {2400, 100}));
    EXPECT_FALSE(writePicture(r.figure, dir / "x.bmp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "x.bmp"));
}

TEST(Render, ProfilePicturesBesideTheScriptOrNoneForAnEmptyDrawing) {
    testing_support::TempDir dir;
    auto r = readScriptFile(testData("preview/profile.txt"));
    ASSERT_TRUE(r && r->errors.empty());
    ASSERT_TRUE(writeProfilePictures(r->figure, dir.path()));
    EXPECT_FALSE(QImage(QString::fromStdString((dir / kProfilePng).string())).isNull());
    EXPECT_EQ(common::readFileBytes(dir / kProfilePdf).value_or("").rfind("%PDF", 0), 0u);

    testing_support::TempDir other;
    auto empty = writeProfilePictures(Figure{}, other.path());
    EXPECT_FALSE(empty);
    EXPECT_NE(empty.error.find("描く線も文字もありません"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(other.path()));
}
