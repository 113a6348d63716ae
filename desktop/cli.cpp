#include "desktop/cli.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QRegularExpression>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "desktop/words.h"

namespace desktop {

namespace {

QString qtext(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

QString pageList(shell::Courses courses) {
    qsizetype width = 0;
    for (const shell::Course& c : courses)
        for (const shell::Page& p : c.pages) width = std::max(width, qsizetype(p.form.size()));
    QString list;
    for (const shell::Course& c : courses) {
        list += QStringLiteral("  %1\n").arg(qtext(c.name));
        for (const shell::Page& p : c.pages)
            list +=
                QStringLiteral("    %1  %2\n").arg(qtext(p.form), -int(width)).arg(qtext(p.title));
    }
    return list;
}

// Every language's code with its own name, for a --lang the program does not know.
QString languageList() {
    QStringList list;
    for (const scene::Language& l : scene::languages())
        list += QStringLiteral("%1 (%2)").arg(qtext(l.code), qtext(l.name));
    return list.join(QStringLiteral(", "));
}

// QCommandLineParser's error lines, in the language of the rest: it cannot reach the catalogue.
QString qtError(const QString& text) {
    static const std::pair<const char*, QString> kKnown[] = {
        {QT_TRANSLATE_NOOP("Command line", "Unknown option '%1'."),
         QStringLiteral("Unknown option '")},
        {QT_TRANSLATE_NOOP("Command line", "Missing value after '%1'."),
         QStringLiteral("Missing value after '")},
        {QT_TRANSLATE_NOOP("Command line", "Unexpected value after '%1'."),
         QStringLiteral("Unexpected value after '")},
    };
    for (const auto& [entry, start] : kKnown)
        if (text.startsWith(start) && text.endsWith(QLatin1String("'.")))
            return translate("Command line", entry)
                .arg(text.mid(start.size(), text.size() - start.size() - 2));
    return text;
}

CommandLine finished(int code, QString out, QString err) {
    CommandLine cl;
    cl.run = false;
    cl.exitCode = code;
    cl.out = std::move(out);
    cl.err = std::move(err);
    return cl;
}

}  // namespace

std::string findPage(const QString& name, shell::Courses courses) {
    return shell::findPage(courses, name.toStdString());
}

CommandLine parseCommandLine(const QStringList& arguments, shell::Courses courses,
                             const QString& version) {
    QCommandLineParser parser;
    // Qt's own options are single-dash words (-platform, -display); taking every single-dash
    // word as a long option lets them through to QApplication.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        translate("Command line",
                  "Physics courseware: a gravity course of twelve lessons and an optics "
                  "course of three, which play themselves."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  translate("Command line", "Show this help and end."));
    const QCommandLineOption showVersion(
        QStringList{QStringLiteral("v"), QStringLiteral("version")},
        translate("Command line", "Show the version and end."));
    const QCommandLineOption lesson(
        QStringLiteral("lesson"),
        translate("Command line",
                  "Start on this page instead of the main menu: a lesson's name (Lesson9, "
                  "optics1) or its window title. An unknown name lists the pages."),
        QStringLiteral("NAME"));
    const QCommandLineOption fullScreen(QStringLiteral("fullscreen"),
                                        translate("Command line",
                                                  "Show the pages full screen, without the "
                                                  "window frame and the desktop's panels."));
    const QCommandLineOption projector(
        QStringLiteral("projector"),
        translate("Command line",
                  "Draw in projector colours: a white page and every colour dark enough to "
                  "read on a projector (the View menu's Projector Colours)."));
    const QCommandLineOption language(
        QStringLiteral("lang"),
        translate("Command line",
                  "Show every text in this language: id, de, es, fr, pt_BR or en (by default the "
                  "system's language, or the one the Language menu chose last)."),
        QStringLiteral("CODE"));
    parser.addOptions({help, showVersion, lesson, fullScreen, projector, language});
    // Options QApplication reads itself; accepted here so that they reach it.
    const QCommandLineOption platform(QStringLiteral("platform"), {}, QStringLiteral("NAME"));
    const QCommandLineOption display(QStringLiteral("display"), {}, QStringLiteral("NAME"));
    QList<QCommandLineOption> qtOptions{platform, display};
    for (const char* name : {"style", "stylesheet", "qwindowgeometry", "qwindowtitle", "geometry"})
        qtOptions.append(
            QCommandLineOption(QString::fromLatin1(name), {}, QStringLiteral("VALUE")));
    qtOptions.append(QCommandLineOption(QStringLiteral("reverse")));
    for (auto& o : qtOptions) {
        o.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(o);
    }

    const QString program = arguments.isEmpty() ? QStringLiteral("orbelune") : arguments.front();
    const QString tryHelp = translate("Command line", "Try '%1 --help'.").arg(program) + u'\n';
    if (!parser.parse(arguments))
        return finished(
            2, {}, QStringLiteral("orbelune: %1\n%2").arg(qtError(parser.errorText()), tryHelp));
    if (parser.isSet(help)) {
        // The usage line names the program as it was started.
        QString text = parser.helpText();
        if (!arguments.isEmpty())
            text.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")),
                         QStringLiteral("Usage: ") + program);
        // Qt's own headings, in the language of the rest.
        text.replace(QRegularExpression(QStringLiteral("^Usage: ")),
                     translate("Command line", "Usage: %1").arg(QString()));
        text.replace(QStringLiteral("\nOptions:\n"),
                     u'\n' + translate("Command line", "Options:") + u'\n');
        return finished(0, text, {});
    }
    if (parser.isSet(showVersion))
        return finished(0, QStringLiteral("orbelune %1\n").arg(version), {});
    if (!parser.positionalArguments().isEmpty())
        return finished(2, {},
                        (QStringLiteral("orbelune: ") +
                         translate("Command line", "unexpected argument '%1'") + u'\n' + "%2")
                            .arg(parser.positionalArguments().front(), tryHelp));

    CommandLine cl;
    if (parser.isSet(lesson)) {
        const QString name = parser.value(lesson);
        cl.startForm = findPage(name, courses);
        if (cl.startForm.empty())
            return finished(
                2, {},
                (QStringLiteral("orbelune: ") +
                 translate("Command line", "no page is called '%1'; the pages are:") + u'\n' + "%2")
                    .arg(name, pageList(courses)));
    }
    if (parser.isSet(language)) {
        const QString code = parser.value(language);
        cl.language = scene::matchLanguage(code.toStdString());
        if (cl.language.empty() || cl.language == scene::kPseudoLanguage) {
            if (code.toStdString() != scene::kPseudoLanguage)
                return finished(2, {},
                                QStringLiteral("orbelune: ") +
                                    translate("Command line",
                                              "no language is called '%1'; the languages are: %2")
                                        .arg(code, languageList()) +
                                    u'\n');
            cl.language = scene::kPseudoLanguage;
        }
    }
    cl.fullScreen = parser.isSet(fullScreen);
    cl.projector = parser.isSet(projector);
    cl.platform = parser.value(platform);
    cl.display = parser.value(display);
    return cl;
}

QString missingDisplay(const CommandLine& cl, const QString& envPlatform, const QString& envDisplay,
                       const QString& envWaylandDisplay) {
    if (!cl.platform.isEmpty() || !envPlatform.isEmpty()) return {};
    if (!cl.display.isEmpty() || !envDisplay.isEmpty() || !envWaylandDisplay.isEmpty()) return {};
    return QStringLiteral("orbelune: ") +
           translate(
               "Command line",
               "no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)") +
           u'\n';
}

namespace {

struct Held {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};
std::vector<Held>* held = nullptr;
QtMessageHandler previous = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt gives up on its window system here and would abort; its earlier messages say why.
        QString reason = translate("Command line", "the window system could not be started");
        for (auto& h : *held)
            if (h.text.contains(QLatin1String("connect to display"), Qt::CaseInsensitive) ||
                h.text.contains(QLatin1String("wl_display"), Qt::CaseInsensitive)) {
                reason = h.text.trimmed();
                break;
            }
        std::fprintf(stderr, "orbelune: %s\n",
                     qPrintable(translate("Command line", "cannot open a window: %1").arg(reason)));
        std::fflush(stderr);
        std::_Exit(1);
    }
    held->push_back({type, context.file, context.function, context.category, context.line, text});
}

const char* orNull(const QByteArray& s) { return s.isNull() ? nullptr : s.constData(); }

}  // namespace

QuietPlatformStart::QuietPlatformStart() {
    held = new std::vector<Held>;
    previous = qInstallMessageHandler(holdMessage);
}

QuietPlatformStart::~QuietPlatformStart() {
    qInstallMessageHandler(previous);
    std::unique_ptr<std::vector<Held>> messages(std::exchange(held, nullptr));
    for (auto& h : *messages)
        qt_message_output(
            h.type,
            QMessageLogContext(orNull(h.file), h.line, orNull(h.function), orNull(h.category)),
            h.text);
}

}  // namespace desktop
