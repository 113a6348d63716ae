// The pseudo-language brackets every text of the catalogue and makes it 40% longer: played
// through the driver, every form then shows no text outside brackets, so no text reaches the
// screen without the catalogue (numbers a script composes, formula marks and addresses aside),
// nor to a screen reader.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>
#include <string>

#include "app/courses.h"
#include "scene/numbers.h"
#include "scene/reader.h"
#include "scene/words.h"
#include "shell/navigation.h"
#include "tools/driver/driver.h"

namespace {

// What is left of a shown text once every bracketed part is taken out: it must hold no word.
bool outsideBrackets(const std::string& shown, std::string& left) {
    // (By hand rather than with <regex>, which trips GCC 12's uninitialised-use warning under
    // the sanitizers.)
    std::string plain;
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const std::size_t close = shown[i] == '[' ? shown.find(']', i) : std::string::npos;
        if (close != std::string::npos)
            i = close;
        else
            plain += shown[i];
    }
    auto inAddress = [](unsigned char c) { return std::isalnum(c) || c == '_' || c == '.'; };
    for (std::size_t at = plain.find('@'); at != std::string::npos; at = plain.find('@', at + 1)) {
        std::size_t from = at, to = at + 1;
        while (from > 0 && inAddress(plain[from - 1])) --from;
        while (to < plain.size() && inAddress(plain[to])) ++to;
        if (from < at && to > at + 1) {
            plain.erase(from, to - from);
            at = from;
        }
    }
    left = plain;
    for (unsigned char c : left)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c >= 0x80) return true;
    return false;
}

struct Pseudo {
    Pseudo() { scene::setLanguage(scene::kPseudoLanguage); }
    ~Pseudo() { scene::setLanguage("en"); }
};

class Watch {
public:
    void look(const scene::Form& f) {
        changed(&f, f.caption(), f.name(), "caption");
        for (auto& m : f.menu()) changed(m.get(), m->caption, f.name(), "menu " + m->name());
        for (auto& c : f.controls()) {
            // A flight changes a scene thousands of times: only a text that changed is read.
            const std::string* text = nullptr;
            if (auto* l = dynamic_cast<const scene::Label*>(c.get()))
                text = &l->Caption.get();
            else if (auto* b = dynamic_cast<const scene::CheckBox*>(c.get()))
                text = &b->Caption.get();
            else if (auto* b = dynamic_cast<const scene::CommandButton*>(c.get()))
                text = &b->Caption.get();
            else if (auto* t = dynamic_cast<const scene::TextBox*>(c.get()))
                text = &t->Text.get();
            if (text) changed(c.get(), *text, f.name(), c->fullName());
        }
    }
    void changed(const void* what, const std::string& text, const std::string& form,
                 const std::string& where) {
        std::string& last = seen_[what];
        if (last == text) return;
        last = text;
        check(form, where, text);
    }
    void check(const std::string& form, const std::string& where, const std::string& shown) {
        std::string left;
        if (!outsideBrackets(shown, left)) return;
        if (reported_.insert(form + " " + where + " " + shown).second)
            ADD_FAILURE() << form << " " << where << " shows \"" << shown
                          << "\" outside the catalogue: \"" << left << "\"";
    }

private:
    std::set<std::string> reported_;
    std::map<const void*, std::string> seen_;
};

TEST(PseudoLanguage, EveryFormShowsEveryTextThroughTheCatalogue) {
    Pseudo pseudo;
    std::vector<std::string> forms{"Utama", "frmAbout"};
    for (const auto& course : app::kCourses)
        for (const auto& page : course.pages) forms.emplace_back(page.form);
    Watch watch;
    for (const auto& form : forms) {
        driver::Session s;
        s.platform().onChange = [&](scene::Form& f) { watch.look(f); };
        ASSERT_TRUE(s.start(form)) << form;
        std::string err;
        ASSERT_TRUE(s.run(std::nullopt, {}, err)) << form << ": " << err;
        // On a page: a light source fired, Contact, then Pause (Resume and the badge).
        std::vector<std::string> after;
        if (form.starts_with("optics") && form != "optics3") after.push_back("click:lt(0)");
        if (form.starts_with("Lesson") || form.starts_with("optics"))
            after.insert(after.end(), {"menu:contact", "menu:pause"});
        std::vector<driver::Action> actions;
        double t = s.platform().clock;
        for (const auto& a : after) actions.push_back(*driver::parseAction(t += 100, a, err));
        ASSERT_TRUE(s.run(t + 3000, actions, err)) << form << ": " << err;
        for (scene::Form* f : s.program().createdForms()) {
            watch.look(*f);
            // What a screen reader is told comes from the catalogue too.
            for (auto& item : scene::readPage(*f))
                watch.check(form, "reader " + item.control->fullName(), item.name);
        }
        for (const auto& m : s.platform().messages) watch.check(form, "message", m.text);
        watch.check(form, "badge", shell::playbackBadge(s.program()));
    }
}

}  // namespace

namespace {

// A language chosen while a page plays: what the catalogue gave is looked up again on every
// form made so far (also the hidden main menu), and the page shown starts again, as Replay does.
TEST(PseudoLanguage, ChoosingALanguageLooksTheTextsUpAgainAndRestartsThePage) {
    struct English {
        ~English() { scene::setLanguage("en"); }
    } english;
    driver::Session s;
    ASSERT_TRUE(s.start("Utama"));
    std::string err;
    auto go = driver::parseAction(100, "click:Label2(0)", err);
    ASSERT_TRUE(go) << err;
    ASSERT_TRUE(s.run(200, {*go}, err)) << err;
    scene::Form& lesson = *s.program().created("Lesson1");
    scene::Form& menu = *s.program().created("Utama");
    ASSERT_TRUE(lesson.visible());
    const auto before = lesson.activations();
    s.program().setLanguage(std::string(scene::kPseudoLanguage));
    EXPECT_EQ(lesson.activations(), before + 1) << "the page starts again";
    EXPECT_EQ(lesson.caption(), "[Lesson 1: Law of Gravity~~~~~~~~~~]");
    EXPECT_EQ(lesson.menuItem("next")->caption, "[Next Lesson~~~~~]");
    EXPECT_EQ(lesson.control<scene::Label>("Label12").Caption.get(),
              "[Both have similar forms!~~~~~~~~~~]");
    EXPECT_EQ(menu.control<scene::Label>("Label1").Caption.get(), "[Menu~~]");
    EXPECT_TRUE(lesson.visible());
    s.program().setLanguage("en");
    EXPECT_EQ(lesson.caption(), "Lesson 1: Law of Gravity");
    EXPECT_EQ(lesson.menuItem("next")->caption, "Next Lesson");
    EXPECT_EQ(menu.control<scene::Label>("Label1").Caption.get(), "Menu");
}

// Numbers a lesson computes show the language's decimal separator, and a box reads it back.
TEST(Language, NumbersTakeTheDecimalSeparatorOfTheLanguage) {
    struct English {
        ~English() { scene::setLanguage("en"); }
    } english;
    scene::setLanguage("xx", [](std::string_view context, std::string_view source) {
        return context == "Numbers" && source == "." ? std::optional<std::string>(",")
                                                     : std::nullopt;
    });
    EXPECT_EQ(scene::digits(1.42), "1,42");
    EXPECT_EQ(scene::digits(29), "29");
    EXPECT_EQ(scene::Val(" 1,5"), 1.5);
    EXPECT_EQ(scene::Val("1.5"), 1.5);
    scene::setLanguage("en");
    EXPECT_EQ(scene::digits(1.42), "1.42");
    EXPECT_EQ(scene::Val("1,5"), 1);
}

// The system's names for languages, as LANG and LANGUAGE give them.
TEST(Language, LocaleNamesMeanTheProgramsLanguages) {
    EXPECT_EQ(scene::matchLanguage("de_DE.UTF-8"), "de");
    EXPECT_EQ(scene::matchLanguage("pt_BR.UTF-8"), "pt_BR");
    EXPECT_EQ(scene::matchLanguage("pt_PT"), "pt_BR");
    EXPECT_EQ(scene::matchLanguage("fr-CA"), "fr");
    EXPECT_EQ(scene::matchLanguage("nl:es"), "es");
    EXPECT_EQ(scene::matchLanguage("id_ID"), "id");
    EXPECT_EQ(scene::matchLanguage("C"), "");
    EXPECT_EQ(scene::matchLanguage("ja_JP"), "");
    EXPECT_EQ(scene::matchLanguage("en_GB"), "en");
}

}  // namespace
