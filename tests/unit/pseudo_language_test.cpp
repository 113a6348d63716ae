// The pseudo-language brackets every text of the catalogue and makes it 40% longer: played
// through the driver, every form then shows no text outside brackets, so no text reaches the
// screen without the catalogue (numbers a script composes, formula marks and addresses aside).
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "app/courses.h"
#include "scene/words.h"
#include "shell/navigation.h"
#include "tools/driver/driver.h"

namespace {

// What is left of a shown text once every bracketed part is taken out: it must hold no word.
bool outsideBrackets(const std::string& shown, std::string& left) {
    static const std::regex bracketed(R"(\[[^\]]*\])"), address(R"([\w.]+@[\w.]+)");
    left = std::regex_replace(std::regex_replace(shown, bracketed, ""), address, "");
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
        check(f.name(), "caption", f.caption());
        for (auto& m : f.menu()) check(f.name(), "menu " + m->name(), m->caption);
        for (auto& c : f.controls()) {
            if (auto* l = dynamic_cast<const scene::Label*>(c.get()))
                check(f.name(), c->fullName(), l->Caption.get());
            else if (auto* b = dynamic_cast<const scene::CheckBox*>(c.get()))
                check(f.name(), c->fullName(), b->Caption.get());
            else if (auto* b = dynamic_cast<const scene::CommandButton*>(c.get()))
                check(f.name(), c->fullName(), b->Caption.get());
            else if (auto* t = dynamic_cast<const scene::TextBox*>(c.get()))
                check(f.name(), c->fullName(), t->Text.get());
        }
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
        for (scene::Form* f : s.program().createdForms()) watch.look(*f);
        for (const auto& m : s.platform().messages) watch.check(form, "message", m.text);
        watch.check(form, "badge", shell::playbackBadge(s.program()));
    }
}

}  // namespace
