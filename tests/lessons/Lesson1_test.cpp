#include <gtest/gtest.h>

#include "tools/driver/driver.h"

using driver::Json;

namespace {

struct Lesson1Page : ::testing::Test {
    driver::Session s;
    Json report;
    void SetUp() override {
        ASSERT_TRUE(s.start("Lesson1"));
        std::string err;
        ASSERT_TRUE(s.run(std::nullopt, {}, err));
        report = driver::report(s, "Lesson1", false);
    }
    const Json& control(const std::string& name) {
        const Json* c = report["controls"].find(name);
        EXPECT_NE(c, nullptr) << name;
        static Json none = Json::object();
        return c ? *c : none;
    }
};

TEST_F(Lesson1Page, IsAStillPageWithPreviousGreyed) {
    EXPECT_EQ(report["active"].string(), "Lesson1");
    EXPECT_FALSE(report["menu"]["prev"]["enabled"].boolean());
    EXPECT_TRUE(report["menu"]["next"]["enabled"].boolean());
    EXPECT_EQ(report["menu"].find("replay"), nullptr);
    EXPECT_EQ(report["menu"].find("rep"), nullptr);
    EXPECT_EQ(report["menu"]["navigation"]["caption"].string(), "Navigation");
    EXPECT_EQ(report["time_ms"].number(), 0);
    EXPECT_EQ(report["segments"]["count"].number(), 0);
    EXPECT_EQ(s.program().active()->caption(), "Lesson 1: Law of Gravity");
}

TEST_F(Lesson1Page, ListsEveryControlInStoredOrderWithItsDesignGeometry) {
    auto& items = report["controls"].object_items();
    ASSERT_EQ(items.size(), 74u);
    EXPECT_EQ(items.front().first, "Label12");
    EXPECT_EQ(items.back().first, "Label7(3)");
    struct Row {
        const char* name;
        double l, t, w, h;
        const char* caption;
    };
    for (Row r : {Row{"Label12", 3840, 6720, 3735, 615, "Both have similar forms!"},
                  {"Label8(1)", 7080, 5280, 3855, 495, " k = 9 x 10        Nm   / C"},
                  {"Label4(0)", 1920, 4200, 3255, 735, "|F  | = |F  | = GM   M   /R "},
                  {"Label9(0)", 2640, 5160, 375, 255, "-11"},
                  {"Label11(1)", 7080, 5040, 3855, 255, ""},
                  {"Shape1(3)", 9600, 2880, 255, 255, nullptr}}) {
        const Json& c = control(r.name);
        EXPECT_EQ(c.find("Left")->number(), r.l) << r.name;
        EXPECT_EQ(c.find("Top")->number(), r.t) << r.name;
        EXPECT_EQ(c.find("Width")->number(), r.w) << r.name;
        EXPECT_EQ(c.find("Height")->number(), r.h) << r.name;
        if (r.caption) {
            EXPECT_EQ(c.find("Caption")->string(), r.caption) << r.name;
        }
    }
    const Json& divider = control("Line1");
    EXPECT_EQ(divider.find("kind")->string(), "Line");
    EXPECT_EQ(divider.find("X1")->number(), 5640);
    EXPECT_EQ(divider.find("Y2")->number(), 8040);
    EXPECT_EQ(control("Shape1(0)").find("FillColor")->number(), 0x0000FF);
    EXPECT_EQ(control("Shape1(2)").find("FillColor")->number(), 0x8080FF);
    EXPECT_EQ(control("Label10(0)").find("BackColor")->number(), 0x80C0FF);
}

TEST_F(Lesson1Page, EverySmallLabelLiesAboveTheFormulaBeneathIt) {
    // Each sub- or superscript that overlaps a bigger label must come earlier in the layering.
    auto order = s.program().active()->canvasOrder();
    auto rank = [&](const scene::Control* c) {
        return std::find(order.begin(), order.end(), c) - order.begin();
    };
    int pairs = 0;
    for (auto* small : order) {
        if (small->kind() != scene::Kind::Label || small->Width > 400) continue;
        for (auto* big : order) {
            if (big == small || big->kind() != scene::Kind::Label || big->Width <= 400) continue;
            bool overlap =
                small->Left < big->Left + big->Width && big->Left < small->Left + small->Width &&
                small->Top < big->Top + big->Height && big->Top < small->Top + small->Height;
            if (!overlap) continue;
            ++pairs;
            EXPECT_LT(rank(small), rank(big)) << small->fullName() << " under " << big->fullName();
        }
    }
    EXPECT_GE(pairs, 20);
}

TEST(Driver, DoneWhenChecks) {
    std::string out, err;
    ASSERT_EQ(driver::runCommand({"Utama", "--at", "500", "click:Label2(0)"}, out, err), 0) << err;
    EXPECT_NE(out.find("\"active\":\"Lesson1\""), std::string::npos);
    EXPECT_NE(out.find("\"visible_forms\":[\"Lesson1\"]"), std::string::npos);
    EXPECT_NE(
        out.find(
            "\"prev\":{\"caption\":\"Previous Lesson\",\"shortcut\":\"Ctrl+P\",\"enabled\":false}"),
        std::string::npos);
    EXPECT_NE(out.find("\"time_ms\":500"), std::string::npos);

    ASSERT_EQ(driver::runCommand({"Lesson1", "--at", "100", "menu:exit"}, out, err), 0) << err;
    EXPECT_NE(out.find("\"ended\":true"), std::string::npos);
    EXPECT_NE(out.find("\"visible_forms\":[]"), std::string::npos);
}

TEST(Driver, BadArgumentsExitWithStatusTwoAndOneLine) {
    struct Row {
        std::vector<std::string> args;
        const char* says;
    };
    for (const Row& r :
         std::vector<Row>{{{"Utama", "--at", "100", "click:Nope(1)"}, "no control 'Nope(1)'"},
                          {{"Utama", "--at", "100", "click:"}, "bad name"},
                          {{"Utama", "--at", "100", "click:Label2(x)"}, "bad name"},
                          {{"Utama", "--at", "-5", "close"}, "--at takes"},
                          {{"Utama", "--at", "100"}, "needs two values"},
                          {{"Utama", "--until", "600001"}, "--until takes"},
                          {{"Utama", "--until", "1e400"}, "--until takes"},
                          {{"Utama", "--until", "nan"}, "--until takes"},
                          {{"Utama", "--at", "5", "jump:x"}, "unknown verb"},
                          {{"Utama", "--at", "5", "key:Alt+X"}, "bad shortcut"},
                          {{"Utama", "--at", "5", "key:Shift+C"}, "bad shortcut"},
                          {{"Utama", "--at", "5", "key:Ctrl+F13"}, "bad shortcut"},
                          {{"Utama", "--at", "5", "key:N"}, "bad shortcut"},
                          {{"Utama", "--speed", "3"}, "--speed takes"},
                          {{"Utama", "--speed", "0"}, "--speed takes"},
                          {{"Utama", "--speed", "4x"}, "--speed takes"},
                          {{"Utama", "--speed"}, "needs a value"},
                          {{"Utama", "--at", "5", "type:Ratio"}, "type:CONTROL=TEXT"},
                          {{"Utama", "--bogus"}, "unknown option"},
                          {{"Nowhere"}, "unknown form 'Nowhere'"},
                          {{}, "usage"},
                          {{"Lesson1", "--at", "10", "menu:nothing"}, "no menu item"},
                          {{"Lesson1", "--at", "10", "type:Label12=x"}, "no text box"}}) {
        std::string out, err;
        EXPECT_EQ(driver::runCommand(r.args, out, err), 2) << r.says;
        EXPECT_NE(err.find(r.says), std::string::npos) << err;
        EXPECT_EQ(err.find('\n'), std::string::npos) << err;
        EXPECT_TRUE(out.empty());
    }
}

// No file name, and an action after the end, which would silently never happen.
TEST(Driver, EmptyFileNamesAndActionsPastTheEndAreBadArgumentsToo) {
    struct Row {
        std::vector<std::string> args;
        const char* says;
    };
    for (const Row& r : std::vector<Row>{
             {{"Utama", "--png", ""}, "--png needs a file name"},
             {{"Utama", "--wav", ""}, "--wav needs a file name"},
             {{"Lesson1", "--until", "500", "--at", "700", "close"}, "--at 700 comes after"},
             {{"Lesson1", "--at", "9e2", "close", "--at", "1", "close", "--until", "5"},
              "--at 9e2"},
         }) {
        std::string out, err;
        EXPECT_EQ(driver::runCommand(r.args, out, err), 2) << r.says;
        EXPECT_NE(err.find(r.says), std::string::npos) << err;
        EXPECT_EQ(err.find('\n'), std::string::npos) << err;
        EXPECT_TRUE(out.empty());
    }
}

// A run without an end time stops at most ten virtual minutes after it began, also in a long
// session where earlier runs already used up ten minutes of the clock.
TEST(Driver, EveryOpenEndedRunGetsItsOwnTenMinutes) {
    struct Ticking : scene::Form {
        explicit Ticking(scene::Program& p) : Form(p, "Ticking", "Ticking", 1500, 1500) {
            go.onTimer = [this] { ++ticks; };
        }
        scene::Timer& go = timer("go", 1000, true);
        int ticks = 0;
    };
    driver::Session s;
    s.program().registerForm("Ticking",
                             [](scene::Program& p) { return std::make_unique<Ticking>(p); });
    ASSERT_TRUE(s.start("Ticking"));
    std::string err;
    auto& f = s.program().get<Ticking>("Ticking");
    ASSERT_TRUE(s.run(std::nullopt, {}, err));
    EXPECT_EQ(f.ticks, 600);
    ASSERT_TRUE(s.run(std::nullopt, {}, err));
    EXPECT_EQ(f.ticks, 1200);
}

TEST(Driver, KeysAndCloseActOnTheActiveForm) {
    std::string out, err;
    ASSERT_EQ(driver::runCommand({"Lesson1", "--at", "10", "key:ctrl+a", "--at", "20", "close"},
                                 out, err),
              0);
    // The close button of the About box closes only the About box.
    EXPECT_NE(out.find("\"active\":\"Lesson1\""), std::string::npos) << out;
    EXPECT_NE(out.find("\"ended\":false"), std::string::npos);
    ASSERT_EQ(driver::runCommand({"Lesson1", "--at", "10", "close"}, out, err), 0);
    EXPECT_NE(out.find("\"ended\":true"), std::string::npos);
    ASSERT_EQ(driver::runCommand({"Lesson1", "--at", "10", "key:Ctrl+P"}, out, err), 0);
    EXPECT_NE(out.find("\"active\":\"Lesson1\""), std::string::npos);  // greyed: nothing happens
}

TEST(Driver, UntilSetsTheEndTimeAndTheReportIsValidForTheMenu) {
    std::string out, err;
    ASSERT_EQ(driver::runCommand({"Utama", "--until", "2500"}, out, err), 0);
    EXPECT_NE(out.find("\"time_ms\":2500"), std::string::npos);
    EXPECT_NE(out.find("\"Label2(1)\":{\"kind\":\"Label\""), std::string::npos);
    EXPECT_NE(out.find("\"Caption\":\"2. Optics\""), std::string::npos);
    // The last moment of a run still takes an action.
    ASSERT_EQ(driver::runCommand({"Lesson1", "--at", "500", "close", "--until", "500"}, out, err),
              0)
        << err;
    EXPECT_NE(out.find("\"ended\":true"), std::string::npos);
}

}  // namespace

namespace {

TEST(Driver, WavHoldsTheBeepsOfTheRun) {
    std::string out, err;
    std::string path = ::testing::TempDir() + "/orbelune-run.wav";
    ASSERT_EQ(driver::runCommand({"Utama", "--wav", path}, out, err), 0) << err;
    FILE* f = std::fopen(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    char riff[4];
    ASSERT_EQ(std::fread(riff, 1, 4, f), 4u);
    std::fclose(f);
    EXPECT_EQ(std::string(riff, 4), "RIFF");
    EXPECT_EQ(driver::runCommand({"Utama", "--wav", "/nonexistent-dir/x.wav"}, out, err), 2);
    EXPECT_NE(err.find("cannot write"), std::string::npos);
}

}  // namespace
