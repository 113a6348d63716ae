#pragma once
#include <QCoreApplication>
#include <map>
#include <memory>

#include "desktop/formwindow.h"
#include "desktop/still_host.h"

namespace bench {

// Windows on the offscreen platform whose canvas is 1920 x 1080, painted by the desktop painter.
class Renderer {
public:
    explicit Renderer(scene::Program& p) : host_(p) {}
    desktop::FormWindow& window(scene::Form& f) {
        auto& w = windows_[&f];
        if (!w) {
            w = std::make_unique<desktop::FormWindow>(host_, f);
            w->canvas()->setFixedSize(1920, 1080);
            w->adjustSize();
            w->show();
            QCoreApplication::processEvents();
        }
        return *w;
    }
    void present(scene::Form* f) {
        if (f && f->visible()) window(*f).present();
    }

private:
    desktop::StillHost host_;
    std::map<scene::Form*, std::unique_ptr<desktop::FormWindow>> windows_;
};

}  // namespace bench
