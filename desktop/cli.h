#pragma once
// The program's command line, read before any window can be opened: --help and --version and a
// mistyped page name must answer also where there is no display.
#include <QString>
#include <QStringList>
#include <string>

#include "shell/course.h"

namespace desktop {

struct CommandLine {
    bool run = true;        // false: print what is below and end with exitCode
    int exitCode = 0;       // 0 help and version, 2 a bad argument
    QString out, err;       // for stdout and stderr, each ending in a newline when not empty
    std::string startForm;  // the page asked for with --lesson; "" for the program's own start
    bool fullScreen = false;
    bool projector = false;     // projector colours for this run
    std::string language;       // --lang's language; "" where not given
    QString platform, display;  // Qt's own -platform and -display, left for QApplication
};

// `arguments` includes the program name first, as argv does.
CommandLine parseCommandLine(const QStringList& arguments, shell::Courses courses,
                             const QString& version);

// The form a --lesson NAME means: a page's form or its window title, either in any letter case
// and with blanks around it ignored (shell::findPage, as the browser's ?start= takes it); "" when
// no page has it.
std::string findPage(const QString& name, shell::Courses courses);

// Why no window can be opened at all, as one line; "" when Qt may try. Where a display is named
// but cannot be reached, Qt finds out itself (see QuietPlatformStart).
QString missingDisplay(const CommandLine& cl, const QString& envPlatform, const QString& envDisplay,
                       const QString& envWaylandDisplay);

// While alive, Qt's messages are held back; should Qt give up on its window system, the program
// ends with one line on stderr and status 1 instead of Qt's list of platform plugins. Held
// messages are passed on when it ends.
class QuietPlatformStart {
public:
    QuietPlatformStart();
    ~QuietPlatformStart();
    QuietPlatformStart(const QuietPlatformStart&) = delete;
    QuietPlatformStart& operator=(const QuietPlatformStart&) = delete;
};

}  // namespace desktop
