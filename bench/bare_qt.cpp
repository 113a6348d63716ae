// The yardstick for start-up: a bare Qt program that shows one empty maximised window. With
// ORBELUNE_FIRST_FRAME=exit it reports its first paint and ends, as orbelune does.
#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

class Empty : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), palette().window());
        if (reported_) return;
        reported_ = true;
        if (const char* v = std::getenv("ORBELUNE_FIRST_FRAME"); v && std::strcmp(v, "exit") == 0) {
            std::printf("first-frame\n");
            std::fflush(stdout);
            QMetaObject::invokeMethod(
                qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
        }
    }

private:
    bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    Empty w;
    w.setWindowTitle(QStringLiteral("bare"));
    w.showMaximized();
    return QApplication::exec();
}
