// Lesson 11: the moon on its present orbit and on one half as large, played on the virtual clock.
#include "lessons/gravity/Lesson11.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "scene/color.h"
#include "tools/driver/driver.h"

namespace {

using lessons::Lesson11;

constexpr size_t kPanelCells = 67 * 81;  // one black panel or one picture
constexpr scene::Color kWhite = 0xFFFFFF;

// What a picture shows along the vertical through the disc's centre.
struct Picture {
    std::string text;
    int mirror;
    double litDepth;  // twips: lit cells times the cell height
    double topLit;    // the highest lit cell's row
    bool oneCap;      // the lit cells are one unbroken run
};

Picture readPicture(const Lesson11& f, const std::string& text) {
    const auto& surface = f.surface();
    std::vector<double> lit;
    for (size_t n = surface.size() - kPanelCells; n < surface.size(); ++n)
        if (surface[n].x1 == 9620 && surface[n].color == kWhite) lit.push_back(surface[n].y1);
    std::sort(lit.begin(), lit.end());
    bool oneCap = true;
    for (size_t n = 1; n < lit.size(); ++n) oneCap = oneCap && lit[n] - lit[n - 1] == 15;
    return {text, f.mirror, 15.0 * lit.size(), lit.empty() ? 0 : lit.front(), oneCap};
}

struct Lesson11Script : ::testing::Test {
    driver::Session s;
    Lesson11* form = nullptr;
    struct Flight {
        int stage, endStep, mirrorAfter;
        std::string days, tenths;
    };
    std::vector<Flight> flights;
    std::vector<Picture> pictures;

    void SetUp() override {
        ASSERT_TRUE(s.start("Lesson11"));
        form = &s.program().get<Lesson11>("Lesson11");
        s.platform().onMessage = [this](const std::string& text) {
            pictures.push_back(readPicture(*form, text));
        };
    }
    void play(double untilMs) {
        for (double t = s.platform().clock; t <= untilMs; t += 20) {
            int before = form->stage;
            s.advanceTo(t);
            if (form->stage != before)
                flights.push_back(
                    {before, form->i, form->mirror, form->waktu(0).Caption, form->koma.Caption});
        }
    }
};

TEST_F(Lesson11Script, FourFlightsEndAtTheirStepsAndResetTheMirror) {
    play(40000);
    ASSERT_EQ(flights.size(), 4u);
    struct Row {
        int stage, step;
        const char* days;
        const char* tenths;
    };
    const Row rows[] = {{0, 51109, "29", "5"},
                        {1, 51109, nullptr, nullptr},
                        {2, 18335, "10", "6"},
                        {3, 18335, nullptr, nullptr}};
    for (size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(flights[k].stage, rows[k].stage);
        EXPECT_EQ(flights[k].endStep, rows[k].step) << "flight " << k;
        // The flights that drew mirrored pictures leave the flag upright for the next one.
        EXPECT_EQ(flights[k].mirrorAfter, 1) << "flight " << k;
        if (rows[k].days) {
            EXPECT_EQ(flights[k].days, rows[k].days) << "flight " << k;
            EXPECT_EQ(flights[k].tenths, rows[k].tenths) << "flight " << k;
        }
    }
    EXPECT_EQ(form->stage, 4);
    EXPECT_FALSE(form->sat.Visible);
    EXPECT_TRUE(form->Label4(0).Visible);
    EXPECT_TRUE(form->appear.Visible);
    // Every tick that flies at counter 7 paints the panel black before and after; every
    // picture is one panel of cells; each trace is one segment a step.
    EXPECT_EQ(form->surface().size(), 6 * kPanelCells + 12 * kPanelCells + 51109u + 18335u);
}

TEST_F(Lesson11Script, PicturesAndMessagesEveryFourDaysThenEveryTwo) {
    play(40000);
    std::vector<std::string> texts;
    for (auto& p : pictures) texts.push_back(p.text);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "4 days passed", "8 days passed", "12 days passed", "16 days passed",
                         "20 days passed", "24 days passed", "28 days passed", "2 days passed",
                         "4 days passed", "6 days passed", "8 days passed", "10 days passed"}));
}

TEST_F(Lesson11Script, TheLitCapGrowsToFullMoonAndShrinksMirrored) {
    play(40000);
    ASSERT_EQ(pictures.size(), 12u);
    struct Row {
        int mirror;
        double depth;
    };
    const Row present[] = {{1, 271},  {1, 542},  {1, 812},   {-1, 324},
                           {-1, 282}, {-1, 215}, {-1, 87.45}};
    for (size_t k = 0; k < 7; ++k) {
        const Picture& p = pictures[k];
        EXPECT_EQ(p.mirror, present[k].mirror) << p.text;
        EXPECT_NEAR(p.litDepth, present[k].depth, 15) << p.text;
        // A cap at the top of the disc (the disc's top edge is at 5760).
        EXPECT_LE(p.topLit, 5775) << p.text;
        EXPECT_TRUE(p.oneCap) << p.text;
    }
    const int half[] = {1, 1, -1, -1, -1};
    for (size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(pictures[7 + k].mirror, half[k]) << "half-distance " << pictures[7 + k].text;
        EXPECT_TRUE(pictures[7 + k].oneCap) << pictures[7 + k].text;
    }
}

TEST_F(Lesson11Script, ThePanelIsPaintedBlackCellByCellBeforeTheFirstFlight) {
    // Counter 7 comes at 6.1 s; its first 5427 segments are the black panel.
    s.platform().onMessage = [&](const std::string&) {
        const auto& surface = form->surface();
        ASSERT_GE(surface.size(), kPanelCells);
        for (size_t n = 0; n < kPanelCells; ++n) {
            ASSERT_EQ(surface[n].color, 0u);
            ASSERT_EQ(surface[n].x2 - surface[n].x1, 15);
            ASSERT_EQ(surface[n].y1, surface[n].y2);
        }
        EXPECT_EQ(surface[0].x1, 9020);
        EXPECT_EQ(surface[0].y1, 5760);
        EXPECT_EQ(surface[kPanelCells - 1].x1, 10220);
        EXPECT_EQ(surface[kPanelCells - 1].y1, 6750);
        s.platform().onMessage = nullptr;
    };
    play(7000);
    EXPECT_EQ(s.platform().messages.size(), 7u);  // the whole first flight ran in that tick
}

TEST_F(Lesson11Script, ReplayStartsAgainWithAWhiteMoonAtThreeOClock) {
    play(40000);
    std::string err;
    ASSERT_TRUE(s.run(s.platform().clock + 1,
                      {*driver::parseAction(s.platform().clock, "menu:rep", err)}, err))
        << err;
    EXPECT_EQ(form->surface().size(), 0u);
    EXPECT_EQ(form->stage, 0);
    EXPECT_EQ(form->counter, 0);
    EXPECT_EQ(form->mirror, 1);
    EXPECT_TRUE(form->sat.Visible);
    EXPECT_EQ(form->sat.BackColor.get(), kWhite);
    EXPECT_FALSE(form->appear.Visible);
    EXPECT_FALSE(form->Label4(0).Visible);
    EXPECT_NEAR(form->sat.Left + form->sat.Width / 2, 5050 + 3152.04, 0.01);
    EXPECT_EQ(form->sat.Top.get(), 5000.0f);
    // And it plays through again.
    pictures.clear();
    flights.clear();
    play(s.platform().clock + 40000);
    EXPECT_EQ(flights.size(), 4u);
    EXPECT_EQ(pictures.size(), 12u);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

TEST(Lesson11Paced, TheMonthIsWatchableAndTheNearerMoonGoesRoundFasterInProportion) {
    driver::Session s;
    s.platform().paced = true;
    ASSERT_TRUE(s.start("Lesson11"));
    auto& form = s.program().get<Lesson11>("Lesson11");
    // The moon's turn per presented frame, where it moved at all (pictures hold it still).
    std::vector<double> turn[3];
    double lastTheta = 0;
    int lastStage = -1;
    s.platform().onFrame = [&] {
        if (form.stage == lastStage && (form.stage == 0 || form.stage == 2) &&
            form.theta > lastTheta)
            turn[form.stage].push_back(form.theta - lastTheta);
        lastStage = form.stage;
        lastTheta = form.theta;
    };
    std::string err;
    ASSERT_TRUE(s.run(60000, {}, err)) << err;
    std::vector<double> ms;
    for (auto& h : s.platform().handlers)
        if (h.name == "jam_Timer") ms.push_back(h.ms);
    ASSERT_EQ(ms.size(), 4u);  // present flight, its trace, half-distance flight, its trace
    EXPECT_GE(ms[0], 4000);
    EXPECT_LE(ms[0], 20000);
    EXPECT_GE(ms[2], 500);
    EXPECT_LT(ms[2], ms[0]);
    EXPECT_LE(ms[1], 20000);
    EXPECT_LE(ms[3], 20000);
    EXPECT_NEAR(median(turn[2]) / median(turn[0]), 51109.0 / 18335.0, 0.1);
}

}  // namespace
