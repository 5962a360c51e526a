// Every script the drawing program writes is one its preview reads: values no drawing can
// hold are refused before a script exists.
#include <gtest/gtest.h>

#include <functional>

#include "common/textfile.h"
#include "zumenko/fixtures.h"
#include "zumenko/intake.h"
#include "zumenko/preview/script_reader.h"
#include "zumenko/script.h"

namespace {

zumenko::Drawing handedOff(const std::function<void(zumenko::Drawing&)>& change) {
    zumenko::Drawing src;
    zumenko_test::setSampleFormat(src);
    zumenko_test::setSampleProfile(src);
    change(src);
    zumenko::Drawing doc;
    std::string error;
    EXPECT_TRUE(zumenko::readHandoffLines(zumenko_test::handoffLines(src), doc, &error)) << error;
    return doc;
}

}  // namespace

TEST(GeneratedScript, ThePreviewReadsEveryScriptOrNoneIsWritten) {
    struct Case {
        const char* name;
        std::function<void(zumenko::Drawing&)> change;
        const char* refusal;  // nullptr: the script is drawn
    };
    const Case cases[] = {
        {"sample", [](zumenko::Drawing&) {}, nullptr},
        {"1.2e14 m route",
         [](zumenko::Drawing& d) {
             d.fgrid7.setText(4, 3, "120000000000000.000");
             d.fgrid5.setText(5, 2, "120000000000000.000");
             d.fgrid8.setText(4, 3, "120000000000000.000");
         },
         "座標 "},
        {"ground 1e14 m",
         [](zumenko::Drawing& d) {
             d.fgrid7.setText(2, 4, "100000000000000.000");
             d.fgrid5.setText(2, 3, "100000000000000.000");
             d.split.setText(2, 3, "100000000000000.000");
         },
         "座標 "},
        {"text height 0", [](zumenko::Drawing& d) { d.format.setValue(8, 1, "0"); }, "文字高さ 0"},
        {"layer with a blank", [](zumenko::Drawing& d) { d.format.setValue(9, 5, "帯 線"); },
         "画層名「帯 線」"},
        {"empty layer", [](zumenko::Drawing& d) { d.format.setValue(9, 6, ""); }, "画層名「」"},
    };
    for (const auto& c : cases) {
        zumenko::Drawing doc = handedOff(c.change);
        bool refused = false;
        for (bool automatic : {true, false})
            for (bool forward : {true, false}) {
                SCOPED_TRACE(std::string(c.name) + (automatic ? " automatic" : " stretch") +
                             (forward ? " forward" : " backward"));
                zumenko::DrawOptions opt;
                opt.automatic = automatic;
                opt.upstreamToDownstream = forward;
                opt.startNo = 1;
                opt.endNo = 4;
                zumenko::ScriptResult r = zumenko::drawScript(doc, opt);
                if (r.error) {
                    EXPECT_TRUE(r.text.empty());
                    EXPECT_EQ(r.error->title, zumenko::kUndrawableTitle);
                    ASSERT_NE(c.refusal, nullptr) << r.error->text;
                    EXPECT_NE(r.error->text.find(c.refusal), std::string::npos) << r.error->text;
                    refused = true;
                    continue;
                }
                auto read = zumenko::preview::readScript(common::splitLines(r.text));
                EXPECT_TRUE(read.errors.empty()) << zumenko::preview::describeErrors(read.errors);
            }
        EXPECT_EQ(refused, c.refusal != nullptr) << c.name;
    }
}
