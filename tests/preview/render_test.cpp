// The Qt renderer: the pinned font, texts where their justification puts them, a profile
// picture inside its extents, and the PDF at the sheet's size.
#include "zumenko/preview/render.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>
#include <regex>

#include "support/golden.h"
#include "zumenko/preview/layer_colors.h"

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
    QPointF at;       // the insertion point on the image
    double capPx;     // capital height in pixels
    double descentPx;
};

// One text "HH" (no descenders, flat top at the capital height) alone on an image.
Rendered renderOne(const char* justify, double angle) {
    auto r = readScript({std::string("_dtext j ") + justify + " 1000,1000 h 100 r " +
                         std::to_string(int(angle)) + " HH "});
    EXPECT_TRUE(r.errors.empty());
    Picture pic = renderImage(r.drawing, 600);
    Rendered out;
    out.ink = inkBox(pic.image);
    out.at = pic.view.toDevice({1000, 1000});
    out.capPx = 100 * pic.view.scale;
    out.descentPx = measureText("HH").descender * out.capPx;
    return out;
}

}  // namespace

TEST(Render, PinnedFontIsUsedAndAgreesWithTheCoreEstimate) {
    EXPECT_TRUE(pinnedFontAvailable()) << "fonts-ipafont-gothic is not installed";
    for (const char* s : {"12.345", "管　　径", " No.1  1号 h=2.10", "φ250", "‰", "D.L = 10.00m"}) {
        TextMetrics qt = measureText(s), core = estimateTextMetrics(s);
        EXPECT_NEAR(qt.advance, core.advance, 0.01 * core.advance) << s;
        EXPECT_NEAR(qt.ascent, core.ascent, 0.01) << s;
        EXPECT_NEAR(qt.descent, core.descent, 0.01) << s;
        EXPECT_NEAR(qt.descender, core.descender, 0.01) << s;
    }
}

TEST(Render, EachJustificationPutsTheTextWhereAutoCadDoes) {
    const double tol = 3;  // antialiasing and the glyphs' side bearings
    {
        auto t = renderOne("tl", 0);  // hangs right and below the point
        EXPECT_NEAR(t.ink.top(), t.at.y(), tol);
        EXPECT_GE(t.ink.left(), t.at.x() - 1);
        EXPECT_LE(t.ink.left(), t.at.x() + 0.15 * t.capPx);
    }
    {
        auto t = renderOne("mc", 0);  // centred both ways on the capitals
        EXPECT_NEAR((t.ink.left() + t.ink.right()) / 2.0, t.at.x(), tol);
        EXPECT_NEAR((t.ink.top() + t.ink.bottom()) / 2.0, t.at.y(), tol);
    }
    {
        auto t = renderOne("br", 0);  // left of the point, baseline one descent above it
        EXPECT_LE(t.ink.right(), t.at.x() + 1);
        EXPECT_GE(t.ink.right(), t.at.x() - 0.15 * t.capPx);
        EXPECT_NEAR(t.ink.bottom(), t.at.y() - t.descentPx, tol);
    }
    {
        auto t = renderOne("BL", 0);
        EXPECT_GE(t.ink.left(), t.at.x() - 1);
        EXPECT_LE(t.ink.left(), t.at.x() + 0.15 * t.capPx);
        EXPECT_NEAR(t.ink.bottom(), t.at.y() - t.descentPx, tol);
    }
    {
        auto t = renderOne("bc", 0);
        EXPECT_NEAR((t.ink.left() + t.ink.right()) / 2.0, t.at.x(), tol);
        EXPECT_NEAR(t.ink.bottom(), t.at.y() - t.descentPx, tol);
    }
    {
        // Rotated 90: runs upwards from the point, the capitals' top facing left.
        auto t = renderOne("tl", 90);
        EXPECT_NEAR(t.ink.left(), t.at.x(), tol);
        EXPECT_LE(t.ink.bottom(), t.at.y() + 1);
        EXPECT_GE(t.ink.bottom(), t.at.y() - 0.15 * t.capPx);
        EXPECT_GT(t.ink.height(), t.ink.width());
    }
    {
        auto t = renderOne("mc", 90);
        EXPECT_NEAR((t.ink.left() + t.ink.right()) / 2.0, t.at.x(), tol);
        EXPECT_NEAR((t.ink.top() + t.ink.bottom()) / 2.0, t.at.y(), tol);
    }
    {
        // The foot faces right: the capitals stand one descender left of the point, and
        // the text ends at it, running down from there.
        auto t = renderOne("br", 90);
        EXPECT_NEAR(t.ink.right(), t.at.x() - t.descentPx, tol);
        EXPECT_GE(t.ink.top(), t.at.y() - 1);
        EXPECT_LE(t.ink.top(), t.at.y() + 0.15 * t.capPx);
    }
}

TEST(Render, ProfilePictureStaysInsideItsExtentsAndShowsEveryLayer) {
    auto r = readScriptFile(testData("preview/profile.txt"));
    ASSERT_TRUE(r && r->errors.empty());
    const Drawing& d = r->drawing;
    Picture pic = renderImage(d, 1200);
    ASSERT_EQ(pic.image.width(), 1200);
    // The A3 sheet's aspect, give or take the margin.
    EXPECT_NEAR(double(pic.image.height()) / pic.image.width(), 297.0 / 420.0, 0.02);

    Box ext = extents(d, measureText);
    QPointF tl = pic.view.toDevice({ext.minX, ext.maxY}), br = pic.view.toDevice({ext.maxX, ext.minY});
    QRect inside = QRectF(tl, br).toAlignedRect().adjusted(-2, -2, 2, 2);
    int outside = 0;
    for (int y = 0; y < pic.image.height(); ++y)
        for (int x = 0; x < pic.image.width(); ++x)
            if (!inside.contains(x, y) && pic.image.pixel(x, y) != qRgb(255, 255, 255)) ++outside;
    EXPECT_EQ(outside, 0);

    // Within the inner frame (20 mm in from the sheet edge) the profile is drawn.
    QPointF f1 = pic.view.toDevice({20 * 500, 277 * 500}), f2 = pic.view.toDevice({400 * 500, 20 * 500});
    QRect frame = QRectF(f1, f2).toAlignedRect().adjusted(3, 3, -3, -3);
    int drawn = 0;
    for (int y = frame.top(); y <= frame.bottom(); ++y)
        for (int x = frame.left(); x <= frame.right(); ++x)
            if (qGray(pic.image.pixel(x, y)) < 200) ++drawn;
    EXPECT_GT(drawn, 5000);

    for (int layer = 0; layer < int(d.layers.size()); ++layer) {
        LayerColor c = layerColor(d, layer);
        bool found = false;
        for (int y = 0; y < pic.image.height() && !found; ++y)
            for (int x = 0; x < pic.image.width() && !found; ++x) {
                QRgb p = pic.image.pixel(x, y);
                found = std::abs(qRed(p) - c.r) + std::abs(qGreen(p) - c.g) +
                            std::abs(qBlue(p) - c.b) < 30;
            }
        EXPECT_TRUE(found) << d.layers[size_t(layer)];
    }
}

TEST(Render, PdfPageIsTheSheetAtItsRealSizeAndSvgKeepsTheTexts) {
    auto r = readScriptFile(testData("preview/profile.txt"));
    ASSERT_TRUE(r && r->errors.empty());
    testing_support::TempDir dir;
    ASSERT_TRUE(writePicture(r->drawing, dir / "p.pdf"));
    auto pdf = common::readFileBytes(dir / "p.pdf");
    ASSERT_TRUE(pdf);
    std::smatch m;
    ASSERT_TRUE(std::regex_search(*pdf, m, std::regex(R"(/MediaBox \[0 0 ([0-9.]+) ([0-9.]+)\])")));
    EXPECT_NEAR(std::stod(m[1]) * 25.4 / 72, 420, 0.5);
    EXPECT_NEAR(std::stod(m[2]) * 25.4 / 72, 297, 0.5);
    EXPECT_NE(pdf->find("IPAGothic"), std::string::npos);

    ASSERT_TRUE(writePicture(r->drawing, dir / "p.svg", {800, 0}));
    auto svg = common::readFileBytes(dir / "p.svg");
    ASSERT_TRUE(svg);
    EXPECT_NE(svg->find("<svg"), std::string::npos);
    EXPECT_NE(svg->find("管"), std::string::npos);

    ASSERT_TRUE(writePicture(r->drawing, dir / "p.PNG", {640, 0}));
    EXPECT_EQ(QImage(QString::fromStdString((dir / "p.PNG").string())).width(), 640);
}

TEST(Render, PdfNeedsAScaleAndOtherFormatsAreRefused) {
    auto r = readScript({"_line 0,0 1000,1000"});
    testing_support::TempDir dir;
    auto noScale = writePicture(r.drawing, dir / "x.pdf");
    EXPECT_FALSE(noScale);
    EXPECT_NE(noScale.error.find("縮尺"), std::string::npos);
    EXPECT_TRUE(writePicture(r.drawing, dir / "x.pdf", {2400, 100}));
    EXPECT_FALSE(writePicture(r.drawing, dir / "x.bmp"));
    EXPECT_FALSE(std::filesystem::exists(dir / "x.bmp"));
}
