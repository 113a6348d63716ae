// The bundled faces carry every character of every language the program speaks: each
// translation's texts and each language's own name. The browser's web fonts are the same faces
// (cut down by web/subset_fonts.py to what the sources and translations/ use), so this holds
// for both front ends.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRawFont>
#include <QXmlStreamReader>

#include "scene/words.h"

namespace {

TEST(BundledFaces, CarryEveryCharacterOfEveryLanguage) {
    QString texts;
    for (const scene::Language& l : scene::languages())
        texts += QString::fromUtf8(l.name.data(), qsizetype(l.name.size()));
    const QDir dir(QStringLiteral(ORBELUNE_SOURCE_DIR "/translations"));
    const auto files = dir.entryList({QStringLiteral("orbelune_*.ts")});
    ASSERT_FALSE(files.isEmpty());
    for (const QString& name : files) {
        QFile ts(dir.filePath(name));
        ASSERT_TRUE(ts.open(QIODevice::ReadOnly)) << name.toStdString();
        QXmlStreamReader xml(&ts);
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == QLatin1String("translation"))
                texts += xml.readElementText();
        }
        ASSERT_FALSE(xml.hasError())
            << name.toStdString() << ": " << xml.errorString().toStdString();
    }
    for (const char* face : {":/fonts/FreeSans.ttf", ":/fonts/FreeSansBold.ttf",
                             ":/fonts/FreeSansOblique.ttf", ":/fonts/FreeSansBoldOblique.ttf"}) {
        QFile file(QString::fromLatin1(face));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << face;
        const QRawFont font(file.readAll(), 12);
        ASSERT_TRUE(font.isValid()) << face;
        for (const QChar c : texts) {
            if (c.isSpace() || c.isSurrogate()) continue;
            EXPECT_TRUE(font.supportsCharacter(c))
                << face << " lacks U+" << QString::number(c.unicode(), 16).toStdString();
        }
    }
}

}  // namespace
